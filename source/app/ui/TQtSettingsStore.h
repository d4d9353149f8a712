#pragma once
// The settings key through QSettings: the registry on Windows, the native settings file elsewhere.
#include "app/TSettingsStore.h"

#include <QSettings>

#include <memory>

namespace ballforge {

/// Windows: HKEY_CURRENT_USER\Software\Quillbrook Software\Ballforge with string, DWORD and binary
/// values. Elsewhere the same names in QSettings' native file; "RecentFiles" keeps its byte layout.
class TQtSettingsStore : public TSettingsStore {
public:
    TQtSettingsStore();
    /// A store on a given settings file (tests).
    explicit TQtSettingsStore(const QString& iniFile);

    bool KeyExists() const override;
    bool OpenForWriting() override;
    std::optional<std::string> ReadString(const std::string& name) const override;
    std::optional<std::int32_t> ReadInteger(const std::string& name) const override;
    std::optional<std::vector<std::uint8_t>> ReadBinary(const std::string& name) const override;
    void WriteString(const std::string& name, const std::string& value) override;
    void WriteInteger(const std::string& name, std::int32_t value) override;
    void WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) override;
    void Sync();

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace ballforge
