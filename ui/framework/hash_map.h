// The framework's chained hash table: the property bag of every window core, the window
// registry and the map of a form's children all are one of these.
//
// Keys are either integers or 8-bit texts; the map keeps its own copy of a text key. A
// text is hashed byte by byte (hash * 31 + byte, wrapping at 32 bits), an integer is its
// own hash, and the bucket is (hash & 0x7FFFFFFF) % bucket count. New entries go to the
// head of their bucket's chain; the map grows to 2n + 1 buckets when a new key would take
// the entry count past the threshold (bucket count * load factor, truncated).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/framework/win32.h"

namespace marlivo::ui {

// What a map's keys or values are. Integer and Text keys are supported; the three heap
// kinds (and WideText) are values the map owns: removing or replacing such a value frees
// its block.
enum class MapKind : int {
  kInteger = 0,   // a pointer-sized integer: a handle, a core's address, a number
  kText = 1,      // zero-terminated 8-bit text
  kBlob = 2,      // heap block holding bytes with a count
  kBlock = 3,     // length-prefixed heap block
  kWideText = 4,  // heap block holding zero-terminated UTF-16 text
};

struct HashMapEntry {
  std::uint32_t hash;
  std::intptr_t key;    // the integer, or the address of the map's own copy of the text
  std::intptr_t value;
  HashMapEntry* next;   // next entry of the same bucket
};

struct HashMap {
  HANDLE heap;             // the process heap, for every block of the map
  HashMapEntry** buckets;  // bucketCount chain heads
  int bucketCount;
  int entryCount;
  int threshold;           // growth happens before an insertion at this entry count
  float loadFactor;
  MapKind keyKind;
  MapKind valueKind;
};

inline constexpr int kDefaultBucketCount = 11;
inline constexpr float kDefaultLoadFactor = 0.75f;
// What MapPut answers when it is given no map (its creation failed).
inline constexpr int kNoMap = 255;

std::uint32_t HashText(const char* text);
int BucketIndex(std::uint32_t hash, int bucketCount);

// None when the bucket count is negative, the load factor is not above 0.0000001, or the
// key kind is neither kInteger nor kText.
HashMap* CreateHashMap(MapKind keyKind, MapKind valueKind,
                       std::optional<int> bucketCount = std::nullopt,
                       std::optional<float> loadFactor = std::nullopt);
// Frees every entry (key copies and owned values), the buckets and the header.
void FreeHashMap(HashMap* map);

// A key is the integer itself for an integer map and the address of a zero-terminated
// text for a text map. Every function treats a missing map as an empty one.
// The value, or 0 when the key is absent (HasKey tells a stored 0 apart).
std::intptr_t MapGet(const HashMap* map, std::intptr_t key);
int MapHas(const HashMap* map, std::intptr_t key);
// 1 when the key was present and its value replaced, 0 when it was added, kNoMap.
int MapPut(HashMap* map, std::intptr_t key, std::intptr_t value);
// 1 when removed, 0 when absent.
int MapRemove(HashMap* map, std::intptr_t key);

// Copies of every key or value, in bucket order and, within a bucket, chain order.
std::vector<std::string> MapTextKeys(const HashMap* map);
std::vector<std::intptr_t> MapIntegerKeys(const HashMap* map);
std::vector<std::intptr_t> MapValues(const HashMap* map);

}  // namespace marlivo::ui
