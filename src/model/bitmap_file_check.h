// Whether the start of a file describes a bitmap that the file can hold: checked before the
// system is asked to load a background picture that anyone may have put in its place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Bytes of the file's start that the check reads at most.
constexpr std::size_t kBitmapHeaderBytes = 14 + 124;

// header: the file's first bytes (up to kBitmapHeaderBytes); fileSize: the whole file's size.
// False for a truncated header, dimensions of zero, below zero or too large to draw, an
// unknown format, or pixels that would run past the end of the file.
bool IsSoundBitmapFile(std::span<const std::uint8_t> header, std::uint64_t fileSize);
