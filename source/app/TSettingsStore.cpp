#include "app/TSettingsStore.h"

namespace ballforge {

std::optional<std::string> TMemorySettingsStore::ReadString(const std::string& name) const {
    auto it = values.find(name);
    if (!exists || it == values.end() || it->second.kind != Value::vkString) return std::nullopt;
    return it->second.text;
}

std::optional<std::int32_t> TMemorySettingsStore::ReadInteger(const std::string& name) const {
    auto it = values.find(name);
    if (!exists || it == values.end() || it->second.kind != Value::vkInteger) return std::nullopt;
    return it->second.number;
}

std::optional<std::vector<std::uint8_t>> TMemorySettingsStore::ReadBinary(const std::string& name) const {
    auto it = values.find(name);
    if (!exists || it == values.end() || it->second.kind != Value::vkBinary) return std::nullopt;
    return it->second.bytes;
}

void TMemorySettingsStore::WriteString(const std::string& name, const std::string& value) {
    if (!writable) return;
    Value v;
    v.kind = Value::vkString;
    v.text = value;
    values[name] = v;
}

void TMemorySettingsStore::WriteInteger(const std::string& name, std::int32_t value) {
    if (!writable) return;
    Value v;
    v.kind = Value::vkInteger;
    v.number = value;
    values[name] = v;
}

void TMemorySettingsStore::WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) {
    if (!writable) return;
    Value v;
    v.kind = Value::vkBinary;
    v.bytes = value;
    values[name] = v;
}

} // namespace ballforge
