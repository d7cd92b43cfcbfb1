#pragma once
// Little helpers the engine and the screens share.
#include <cstddef>
#include <cstdint>

void MemZero(void* destination, size_t n);
// Copies n bytes between ranges that do not overlap; answers destination + n.
void* MemCopy(void* destination, const void* source, size_t n);
// Sleeps n x 10 ms.
void SleepTicks(uint32_t n);
// Two hexadecimal digits ('0'-'9', 'A'-'F', 'a'-'f') as a byte.
uint8_t HexToByte(const char* digits);
// Set bits among bits 0 to 15.
int PopCount16(uint32_t value);
// Rescales numerator/denominator to a fraction of n: numerator := numerator x n / denominator,
// denominator := n; answers the new numerator. A zero denominator gives 0.
int32_t ScaleFraction(int32_t& denominator, int32_t& numerator, int32_t n);

// The main menu's immediate exit: sets the quit flag, calls the registered auto-save function (the
// game's, which saves only while a game runs), then ends the process with status 0.
void QuitNow();
// The same without the auto-save, for a caller that has saved already, or has told the player
// that the save failed and been asked to go anyway.
void QuitWithoutAutoSave();
bool QuitRequested();
using AutoSaveFunction = void (*)();
void SetQuitAutoSave(AutoSaveFunction autoSave);
// Tests replace the process exit so that QuitNow can be observed.
using ExitFunction = void (*)(int status);
void SetExitFunction(ExitFunction exitFunction);
