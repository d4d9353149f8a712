#include "app/ui/TBallforgeApplication.h"

#include "documents/ui/ExceptionFilter.h"

namespace ballforge {

TBallforgeApplication::TBallforgeApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TBallforgeApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleTopLevelException(std::current_exception());
        return false;
    }
}

} // namespace ballforge
