// The chained hash table behind property bags, the window registry and child maps.
#include "ui/framework/hash_map.h"

#include <climits>

#include "ui/framework/process_heap.h"

namespace marlivo::ui {
namespace {

constexpr float kMinimumLoadFactor = 0.0000001f;

bool OwnsValues(MapKind kind) { return kind != MapKind::kInteger; }

int ThresholdOf(int bucketCount, float loadFactor) {
  const double threshold = static_cast<double>(bucketCount) * loadFactor;
  return threshold >= INT_MAX ? INT_MAX : static_cast<int>(threshold);
}

std::uint32_t HashOf(const HashMap* map, std::intptr_t key) {
  if (map->keyKind == MapKind::kText) return HashText(reinterpret_cast<const char*>(key));
  return static_cast<std::uint32_t>(static_cast<std::uintptr_t>(key));
}

bool SameKey(const HashMap* map, const HashMapEntry* entry, std::uint32_t hash,
             std::intptr_t key) {
  if (entry->hash != hash) return false;
  if (map->keyKind == MapKind::kText) {
    return ::lstrcmpA(reinterpret_cast<const char*>(entry->key),
                      reinterpret_cast<const char*>(key)) == 0;
  }
  return entry->key == key;
}

// The entry's link: the bucket head or the previous entry's next field; null when absent.
HashMapEntry** FindLink(const HashMap* map, std::intptr_t key) {
  if (map == nullptr || map->bucketCount <= 0) return nullptr;
  if (map->keyKind == MapKind::kText && key == 0) return nullptr;
  const std::uint32_t hash = HashOf(map, key);
  HashMapEntry** link = &map->buckets[BucketIndex(hash, map->bucketCount)];
  while (*link != nullptr) {
    if (SameKey(map, *link, hash, key)) return link;
    link = &(*link)->next;
  }
  return nullptr;
}

void FreeEntry(const HashMap* map, HashMapEntry* entry) {
  if (map->keyKind == MapKind::kText) HeapRelease(reinterpret_cast<void*>(entry->key));
  if (OwnsValues(map->valueKind)) HeapRelease(reinterpret_cast<void*>(entry->value));
  HeapRelease(entry);
}

void Grow(HashMap* map) {
  if (map->bucketCount > (INT_MAX - 1) / 2) return;
  const int newCount = map->bucketCount * 2 + 1;
  auto** newBuckets =
      static_cast<HashMapEntry**>(HeapAllocate(sizeof(HashMapEntry*) * newCount));
  for (int i = 0; i < map->bucketCount; ++i) {
    HashMapEntry* entry = map->buckets[i];
    while (entry != nullptr) {
      HashMapEntry* next = entry->next;
      HashMapEntry*& head = newBuckets[BucketIndex(entry->hash, newCount)];
      entry->next = head;
      head = entry;
      entry = next;
    }
  }
  HeapRelease(map->buckets);
  map->buckets = newBuckets;
  map->bucketCount = newCount;
  map->threshold = ThresholdOf(newCount, map->loadFactor);
}

template <typename Visit>
void ForEachEntry(const HashMap* map, Visit visit) {
  if (map == nullptr) return;
  for (int i = 0; i < map->bucketCount; ++i) {
    for (const HashMapEntry* entry = map->buckets[i]; entry != nullptr; entry = entry->next) {
      visit(*entry);
    }
  }
}

}  // namespace

std::uint32_t HashText(const char* text) {
  std::uint32_t hash = 0;
  for (const unsigned char* byte = reinterpret_cast<const unsigned char*>(text); *byte != 0;
       ++byte) {
    hash = hash * 31u + *byte;
  }
  return hash;
}

int BucketIndex(std::uint32_t hash, int bucketCount) {
  return static_cast<int>((hash & 0x7FFFFFFFu) % static_cast<std::uint32_t>(bucketCount));
}

HashMap* CreateHashMap(MapKind keyKind, MapKind valueKind, std::optional<int> bucketCount,
                       std::optional<float> loadFactor) {
  const int buckets = bucketCount.value_or(kDefaultBucketCount);
  const float factor = loadFactor.value_or(kDefaultLoadFactor);
  if (buckets < 0 || !(factor > kMinimumLoadFactor)) return nullptr;
  if (keyKind != MapKind::kInteger && keyKind != MapKind::kText) return nullptr;
  auto* map = static_cast<HashMap*>(HeapAllocate(sizeof(HashMap)));
  map->heap = ::GetProcessHeap();
  map->buckets = static_cast<HashMapEntry**>(HeapAllocate(sizeof(HashMapEntry*) * buckets));
  map->bucketCount = buckets;
  map->entryCount = 0;
  map->threshold = ThresholdOf(buckets, factor);
  map->loadFactor = factor;
  map->keyKind = keyKind;
  map->valueKind = valueKind;
  return map;
}

void FreeHashMap(HashMap* map) {
  if (map == nullptr) return;
  for (int i = 0; i < map->bucketCount; ++i) {
    HashMapEntry* entry = map->buckets[i];
    while (entry != nullptr) {
      HashMapEntry* next = entry->next;
      FreeEntry(map, entry);
      entry = next;
    }
  }
  HeapRelease(map->buckets);
  HeapRelease(map);
}

std::intptr_t MapGet(const HashMap* map, std::intptr_t key) {
  HashMapEntry** link = FindLink(map, key);
  return link == nullptr ? 0 : (*link)->value;
}

int MapHas(const HashMap* map, std::intptr_t key) { return FindLink(map, key) != nullptr; }

int MapPut(HashMap* map, std::intptr_t key, std::intptr_t value) {
  if (map == nullptr) return kNoMap;
  if (map->keyKind == MapKind::kText && key == 0) return 0;
  if (HashMapEntry** link = FindLink(map, key)) {
    if (OwnsValues(map->valueKind) && (*link)->value != value) {
      HeapRelease(reinterpret_cast<void*>((*link)->value));
    }
    (*link)->value = value;
    return 1;
  }
  if (map->entryCount >= map->threshold) Grow(map);
  if (map->bucketCount <= 0) return 0;
  auto* entry = static_cast<HashMapEntry*>(HeapAllocate(sizeof(HashMapEntry)));
  entry->hash = HashOf(map, key);
  entry->key = map->keyKind == MapKind::kText
                   ? reinterpret_cast<std::intptr_t>(
                         HeapCopyText(reinterpret_cast<const char*>(key)))
                   : key;
  entry->value = value;
  HashMapEntry*& head = map->buckets[BucketIndex(entry->hash, map->bucketCount)];
  entry->next = head;
  head = entry;
  ++map->entryCount;
  return 0;
}

int MapRemove(HashMap* map, std::intptr_t key) {
  HashMapEntry** link = FindLink(map, key);
  if (link == nullptr) return 0;
  HashMapEntry* entry = *link;
  *link = entry->next;
  --map->entryCount;
  FreeEntry(map, entry);
  return 1;
}

std::vector<std::string> MapTextKeys(const HashMap* map) {
  std::vector<std::string> keys;
  if (map == nullptr || map->keyKind != MapKind::kText) return keys;
  keys.reserve(static_cast<std::size_t>(map->entryCount));
  ForEachEntry(map, [&](const HashMapEntry& entry) {
    keys.emplace_back(reinterpret_cast<const char*>(entry.key));
  });
  return keys;
}

std::vector<std::intptr_t> MapIntegerKeys(const HashMap* map) {
  std::vector<std::intptr_t> keys;
  if (map == nullptr || map->keyKind != MapKind::kInteger) return keys;
  keys.reserve(static_cast<std::size_t>(map->entryCount));
  ForEachEntry(map, [&](const HashMapEntry& entry) { keys.push_back(entry.key); });
  return keys;
}

std::vector<std::intptr_t> MapValues(const HashMap* map) {
  std::vector<std::intptr_t> values;
  if (map != nullptr) values.reserve(static_cast<std::size_t>(map->entryCount));
  ForEachEntry(map, [&](const HashMapEntry& entry) { values.push_back(entry.value); });
  return values;
}

}  // namespace marlivo::ui
