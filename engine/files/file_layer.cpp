#include "engine/files/file_layer.h"

#include <cstring>

SFileFolder::SFileFolder(std::string programFolder) : m_programFolder(std::move(programFolder)) {
    if (m_programFolder.empty() || m_programFolder.back() != '/') m_programFolder += '/';
}

SFileFolder::SFileFolder() : SFileFolder(platform::ProgramFolder()) {}

std::string SFileFolder::Resolve(const char* name) const {
    if (name != nullptr && (std::strchr(name, '\\') != nullptr || std::strchr(name, '/') != nullptr)) return name;
    return m_programFolder + (name ? name : "");
}

SFileHandle FileOpen(const SFileFolder& folder, const char* name) {
    return platform::OpenFileForReading(folder.Resolve(name));
}

SFileHandle FileCreate(const SFileFolder& folder, const char* name) {
    return platform::CreateFileForWriting(folder.Resolve(name));
}

bool FileReadAt(SFileHandle file, uint64_t offset, uint32_t size, void* buffer) {
    return platform::ReadFileAt(file, offset, buffer, size);
}

bool FileWrite(SFileHandle file, uint32_t size, const void* bytes) { return platform::WriteToFile(file, bytes, size); }

uint64_t FileSize(SFileHandle file) { return file ? platform::FileSizeOf(file) : 0; }

bool FileClose(SFileHandle file) { return platform::CloseFile(file); }

bool FileDelete(const SFileFolder& folder, const char* name) { return platform::DeleteFile(folder.Resolve(name)); }

bool FileExists(const SFileFolder& folder, const char* name) {
    SFileHandle file = FileOpen(folder, name);
    if (file == nullptr) return false;
    FileClose(file);
    return true;
}
