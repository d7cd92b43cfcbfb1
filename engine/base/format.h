#pragma once
// The game's own printf-style formatter.
#include <cstdarg>
#include <cstddef>

// A conversion is '%', then optionally '-' (left-justify), '0' (pad with zeros), '+' (sign on a
// positive %d), a field width and an 'l', in that order, then one of s, d, u, c; "%%" writes '%'.
// Any other conversion character, or a '%' at the end, ends the whole output there. Padding goes
// before a sign: -42 as "%05d" is "00-42".
//
// The result is cut to fit size bytes, terminator included. A null buffer or format, or a size of
// 0, writes nothing. Returns the length of the text written.
int FormatV(char* out, size_t size, const char* format, va_list args);
int Format(char* out, size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));
