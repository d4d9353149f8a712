#pragma once
// The application object: every failure that reaches the event loop goes through the exception filter.
#include <QApplication>

namespace ballforge {

class TBallforgeApplication : public QApplication {
    Q_OBJECT
public:
    TBallforgeApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace ballforge
