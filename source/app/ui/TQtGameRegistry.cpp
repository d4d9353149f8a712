#include "app/ui/TQtGameRegistry.h"

#include "app/TWineRegistry.h"

#include <QSettings>

namespace ballforge {

std::optional<std::string> TQtGameRegistry::ReadMachineString(const std::string& key,
                                                              const std::string& value) const {
    QString path = QStringLiteral("HKEY_LOCAL_MACHINE") + QString::fromStdString(key);
#ifdef Q_OS_WIN
    // 32-bit installers on 64-bit Windows write below Wow6432Node; this program may be 64-bit.
    const QSettings::Format formats[] = {QSettings::Registry32Format, QSettings::NativeFormat};
#else
    const QSettings::Format formats[] = {QSettings::NativeFormat};
#endif
    for (QSettings::Format format : formats) {
        QSettings settings(path, format);
        if (settings.childKeys().isEmpty() && settings.childGroups().isEmpty()) continue;
        return settings.value(QString::fromStdString(value)).toString().toStdString();
    }
    return std::nullopt;
}

std::unique_ptr<TGameRegistry> SystemGameRegistry() {
#ifdef Q_OS_WIN
    return std::make_unique<TQtGameRegistry>();
#else
    return std::make_unique<TWineRegistry>(TWineRegistry::DefaultPrefix());
#endif
}

} // namespace ballforge
