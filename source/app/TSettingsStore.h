#pragma once
// Where the settings live: the registry on Windows, the platform's settings file elsewhere.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ballforge {

/// One key of named values. A value of another type than asked for reads as missing.
class TSettingsStore {
public:
    virtual ~TSettingsStore() = default;
    /// True when the key exists (reading never creates it).
    virtual bool KeyExists() const = 0;
    /// Creates the key when needed; false when it cannot be created or written.
    virtual bool OpenForWriting() = 0;
    virtual std::optional<std::string> ReadString(const std::string& name) const = 0;
    virtual std::optional<std::int32_t> ReadInteger(const std::string& name) const = 0;
    virtual std::optional<std::vector<std::uint8_t>> ReadBinary(const std::string& name) const = 0;
    virtual void WriteString(const std::string& name, const std::string& value) = 0;
    virtual void WriteInteger(const std::string& name, std::int32_t value) = 0;
    virtual void WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) = 0;
};

/// A store in memory: the tests' registry, and the stand-in when no other store can be had.
class TMemorySettingsStore : public TSettingsStore {
public:
    struct Value {
        enum Kind { vkString, vkInteger, vkBinary } kind = vkString;
        std::string text;
        std::int32_t number = 0;
        std::vector<std::uint8_t> bytes;
    };

    bool exists = false;
    bool writable = true;
    std::map<std::string, Value> values;

    bool KeyExists() const override { return exists; }
    bool OpenForWriting() override {
        if (writable) exists = true;
        return writable;
    }
    std::optional<std::string> ReadString(const std::string& name) const override;
    std::optional<std::int32_t> ReadInteger(const std::string& name) const override;
    std::optional<std::vector<std::uint8_t>> ReadBinary(const std::string& name) const override;
    void WriteString(const std::string& name, const std::string& value) override;
    void WriteInteger(const std::string& name, std::int32_t value) override;
    void WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) override;
};

} // namespace ballforge
