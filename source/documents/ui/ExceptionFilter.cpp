#include "documents/ui/ExceptionFilter.h"

#include "documents/Errors.h"
#include "documents/ui/EAbort.h"
#include "documents/ui/TPrompts.h"

namespace ballforge {

bool ExceptionFilter(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const eerrormessage& e) {
        Prompts().ErrorBox(QString::fromStdString(e.what()));
        return true;
    } catch (const EAbort&) {
        return true;
    } catch (...) {
        return false;
    }
}

void HandleTopLevelException(std::exception_ptr error) {
    if (!error || ExceptionFilter(error)) return;
    QString description;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        description = QString::fromStdString(e.what());
    } catch (...) {
        description = QStringLiteral("An error of unknown kind");
    }
    Prompts().CrashReport(description);
}

} // namespace ballforge
