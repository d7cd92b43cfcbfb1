#pragma once
// The sample interface package "BrimvaleData": font strips, and as the game grows its interface
// pictures, layout records and interface sounds.
#include <string>

class SFileFolder;

bool WriteInterfacePackage(const SFileFolder& folder, std::string& error);
