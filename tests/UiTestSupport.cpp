#include "UiTestSupport.h"

#include <QFile>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace ballforge::test {

std::string SourceFile(const std::string& relative) {
    return std::string(BALLFORGE_SOURCE_ROOT) + "/" + relative;
}

std::string RealFile(const std::string& relative) {
    const std::string path = std::string(BALLFORGE_REALDATA) + "/" + relative;
    return std::filesystem::exists(path) ? path : std::string();
}

std::vector<std::uint8_t> ReadAll(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

QString CopyInto(const QTemporaryDir& dir, const std::string& source, const QString& name) {
    const QString target = dir.filePath(name);
    QFile::remove(target);
    QFile::copy(QString::fromStdString(source), target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

} // namespace ballforge::test
