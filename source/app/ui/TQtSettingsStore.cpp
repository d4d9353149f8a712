#include "app/ui/TQtSettingsStore.h"

#include <QMetaType>

namespace ballforge {

TQtSettingsStore::TQtSettingsStore() {
#ifdef Q_OS_WIN
    settings_ = std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Quillbrook Software\\Ballforge"),
        QSettings::NativeFormat);
#else
    settings_ =
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                    QStringLiteral("Quillbrook Software"), QStringLiteral("Ballforge"));
#endif
}

TQtSettingsStore::TQtSettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

bool TQtSettingsStore::KeyExists() const {
    return !settings_->allKeys().isEmpty();
}

bool TQtSettingsStore::OpenForWriting() {
    return settings_->isWritable();
}

std::optional<std::string> TQtSettingsStore::ReadString(const std::string& name) const {
    const QVariant v = settings_->value(QString::fromStdString(name));
    if (!v.isValid() || v.typeId() != QMetaType::QString) return std::nullopt;
    return v.toString().toStdString();
}

std::optional<std::int32_t> TQtSettingsStore::ReadInteger(const std::string& name) const {
    const QVariant v = settings_->value(QString::fromStdString(name));
    if (!v.isValid()) return std::nullopt;
    // The registry answers DWORDs as integers; a settings file answers every value as text.
    bool ok = false;
    const int n = v.typeId() == QMetaType::QString ? v.toString().toInt(&ok) : v.toInt(&ok);
    if (!ok || v.typeId() == QMetaType::QByteArray) return std::nullopt;
    return n;
}

std::optional<std::vector<std::uint8_t>> TQtSettingsStore::ReadBinary(const std::string& name) const {
    const QVariant v = settings_->value(QString::fromStdString(name));
    if (!v.isValid() || v.typeId() != QMetaType::QByteArray) return std::nullopt;
    const QByteArray bytes = v.toByteArray();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void TQtSettingsStore::WriteString(const std::string& name, const std::string& value) {
    settings_->setValue(QString::fromStdString(name), QString::fromStdString(value));
}

void TQtSettingsStore::WriteInteger(const std::string& name, std::int32_t value) {
    settings_->setValue(QString::fromStdString(name), value);
}

void TQtSettingsStore::WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) {
    settings_->setValue(QString::fromStdString(name), QByteArray(reinterpret_cast<const char*>(value.data()),
                                                                 static_cast<qsizetype>(value.size())));
}

void TQtSettingsStore::Sync() {
    settings_->sync();
}

} // namespace ballforge
