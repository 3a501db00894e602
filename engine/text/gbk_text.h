// Slicing and searching of 8-bit text in code page 936 (GBK), and of raw bytes.
//
// The engine's texts are GBK. A GBK lead byte (0x81 to 0xFE) starts a two-byte
// character whose second byte may be any of 0x40 to 0xFE, so it can equal "[", "]",
// "\", "{" or "}". Every search here steps one character at a time, so that a match
// never starts inside a double-byte character. Platform-free: no Windows header.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace marlivo::text {

inline constexpr unsigned char kGbkLeadByteFirst = 0x81;
inline constexpr unsigned char kGbkLeadByteLast = 0xFE;

// "#引号" in GBK: marker texts may spell a double quote this way.
inline constexpr std::string_view kQuoteWord = "#\xD2\xFD\xBA\xC5";
// The ideographic space U+3000 in GBK, a blank for trimming.
inline constexpr std::string_view kIdeographicSpace = "\xA1\xA1";

inline constexpr bool IsGbkLeadByte(unsigned char byte) {
  return byte >= kGbkLeadByteFirst && byte <= kGbkLeadByteLast;
}

// Index of the character after the one at `index`. A lead byte that ends the text
// counts as a character of its own.
std::size_t NextCharIndex(std::string_view text, std::size_t index);

// First occurrence of `needle` at a character boundary at or after `from`
// (which must itself be a boundary); npos when there is none. An empty needle is
// found at `from`.
std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from = 0);

// Last occurrence of the single-byte character `ch` at a character boundary; npos
// when there is none.
std::size_t FindLastChar(std::string_view text, char ch);

// Every occurrence of `from` (found character by character) replaced by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// The text strictly between the first `start_marker` and the first `end_marker`
// after it; empty when either is missing. "#引号" in a marker stands for a double quote.
std::string TextBetween(std::string_view text, std::string_view start_marker,
                        std::string_view end_marker);

// Leading and trailing ASCII spaces and ideographic spaces removed; tabs and line
// breaks stay.
std::string Trim(std::string_view text);

// True when `text` trims to the empty text.
bool IsBlank(std::string_view text);

// The bytes strictly between the first `start_marker` and the first `end_marker` after
// it, compared byte by byte; empty when either is missing.
std::string BytesBetween(std::string_view bytes, std::string_view start_marker,
                         std::string_view end_marker);

}  // namespace marlivo::text
