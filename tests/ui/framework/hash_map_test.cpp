// The hash map behind property bags and the window registry: hashing, bucket choice,
// head insertion, growth and the order of key and value lists.
#include "ui/framework/hash_map.h"

#include <gtest/gtest.h>

#include <limits>

namespace marlivo::ui {
namespace {

std::intptr_t Text(const char* text) { return reinterpret_cast<std::intptr_t>(text); }

class MapHolder {
 public:
  explicit MapHolder(HashMap* map) : map_(map) {}
  MapHolder(const MapHolder&) = delete;
  MapHolder& operator=(const MapHolder&) = delete;
  ~MapHolder() { FreeHashMap(map_); }
  HashMap* get() const { return map_; }
  HashMap* operator->() const { return map_; }

 private:
  HashMap* map_;
};

TEST(HashMapTest, TextHashTakesBytesUnsignedAndWraps) {
  struct Case {
    const char* text;
    std::uint32_t hash;
  };
  const Case cases[] = {
      {"", 0u},
      {"ab", 3105u},                          // 97 * 31 + 98
      {"hWnd", 3185381u},
      {"\xB4\xB0\xBF\xDA", 5537655u},         // 窗口 in GBK: bytes above 0x7F
      {"zzzzzzzz", 2384944384u},              // past 2^32: wraps
  };
  for (const Case& c : cases) EXPECT_EQ(HashText(c.text), c.hash) << c.text;
}

TEST(HashMapTest, BucketIgnoresTheTopBitOfTheHash) {
  // 0x8E275D00: (hash & 0x7FFFFFFF) % 11 = 7, whereas hash % 11 would be 9.
  EXPECT_EQ(BucketIndex(HashText("zzzzzzzz"), 11), 7);
  MapHolder map(CreateHashMap(MapKind::kText, MapKind::kInteger));
  EXPECT_EQ(MapPut(map.get(), Text("zzzzzzzz"), 5), 0);
  ASSERT_NE(map->buckets[7], nullptr);
  EXPECT_STREQ(reinterpret_cast<const char*>(map->buckets[7]->key), "zzzzzzzz");
}

TEST(HashMapTest, CreationRefusesBadBucketCountsAndLoadFactors) {
  EXPECT_EQ(CreateHashMap(MapKind::kText, MapKind::kInteger, -1), nullptr);
  EXPECT_EQ(CreateHashMap(MapKind::kText, MapKind::kInteger, 11, 0.0f), nullptr);
  EXPECT_EQ(CreateHashMap(MapKind::kText, MapKind::kInteger, 11, 0.00000001f), nullptr);
  EXPECT_EQ(CreateHashMap(MapKind::kText, MapKind::kInteger, 11,
                          std::numeric_limits<float>::quiet_NaN()),
            nullptr);

  MapHolder defaults(CreateHashMap(MapKind::kText, MapKind::kInteger));
  ASSERT_NE(defaults.get(), nullptr);
  EXPECT_EQ(defaults->bucketCount, 11);
  EXPECT_EQ(defaults->threshold, 8);  // 11 * 0.75, truncated
  EXPECT_FLOAT_EQ(defaults->loadFactor, 0.75f);
  EXPECT_EQ(defaults->heap, ::GetProcessHeap());
}

TEST(HashMapTest, MissingMapReadsEmptyAndRefusesPuts) {
  EXPECT_EQ(MapPut(nullptr, Text("hWnd"), 1), kNoMap);
  EXPECT_EQ(MapGet(nullptr, Text("hWnd")), 0);
  EXPECT_EQ(MapHas(nullptr, Text("hWnd")), 0);
  EXPECT_EQ(MapRemove(nullptr, Text("hWnd")), 0);
  EXPECT_TRUE(MapTextKeys(nullptr).empty());
}

TEST(HashMapTest, PutGetReplaceRemoveOnTextKeys) {
  MapHolder map(CreateHashMap(MapKind::kText, MapKind::kInteger));
  EXPECT_EQ(MapPut(map.get(), Text("Name"), 7), 0);
  EXPECT_EQ(MapPut(map.get(), Text("name"), 8), 0);  // letter case makes another key
  EXPECT_EQ(MapPut(map.get(), Text("Zero"), 0), 0);
  EXPECT_EQ(map->entryCount, 3);

  EXPECT_EQ(MapGet(map.get(), Text("Name")), 7);
  EXPECT_EQ(MapGet(map.get(), Text("name")), 8);
  // A stored 0 and an absent key read alike; MapHas tells them apart.
  EXPECT_EQ(MapGet(map.get(), Text("Zero")), 0);
  EXPECT_EQ(MapHas(map.get(), Text("Zero")), 1);
  EXPECT_EQ(MapHas(map.get(), Text("Absent")), 0);

  EXPECT_EQ(MapPut(map.get(), Text("Name"), 70), 1);
  EXPECT_EQ(map->entryCount, 3);
  EXPECT_EQ(MapGet(map.get(), Text("Name")), 70);

  EXPECT_EQ(MapRemove(map.get(), Text("Zero")), 1);
  EXPECT_EQ(MapRemove(map.get(), Text("Zero")), 0);
  EXPECT_EQ(MapHas(map.get(), Text("Zero")), 0);
  EXPECT_EQ(map->entryCount, 2);
}

TEST(HashMapTest, KeepsItsOwnCopyOfTextKeys) {
  MapHolder map(CreateHashMap(MapKind::kText, MapKind::kInteger));
  char key[] = "OnPaint";
  MapPut(map.get(), Text(key), 1);
  key[0] = 'X';
  EXPECT_EQ(MapGet(map.get(), Text("OnPaint")), 1);
  EXPECT_EQ(MapTextKeys(map.get()), std::vector<std::string>{"OnPaint"});
}

TEST(HashMapTest, NinthKeyGrowsElevenBucketsToTwentyThree) {
  MapHolder map(CreateHashMap(MapKind::kText, MapKind::kInteger));
  const char* names[] = {"k1", "k2", "k3", "k4", "k5", "k6", "k7", "k8", "k9"};
  for (int i = 0; i < 8; ++i) MapPut(map.get(), Text(names[i]), i + 1);
  EXPECT_EQ(map->bucketCount, 11);
  MapPut(map.get(), Text(names[8]), 9);
  EXPECT_EQ(map->bucketCount, 23);
  EXPECT_EQ(map->threshold, 17);
  EXPECT_EQ(map->entryCount, 9);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(MapGet(map.get(), Text(names[i])), i + 1) << names[i];
}

TEST(HashMapTest, ListsFollowBucketsAndChainsFromTheHead) {
  MapHolder map(CreateHashMap(MapKind::kInteger, MapKind::kInteger));
  // 1, 12 and 23 share bucket 1; 11 is bucket 0; 2 is bucket 2.
  for (const std::intptr_t key : {1, 12, 23, 2, 11}) MapPut(map.get(), key, key * 10);
  EXPECT_EQ(MapIntegerKeys(map.get()), (std::vector<std::intptr_t>{11, 23, 12, 1, 2}));
  EXPECT_EQ(MapValues(map.get()), (std::vector<std::intptr_t>{110, 230, 120, 10, 20}));

  EXPECT_EQ(MapRemove(map.get(), 12), 1);  // from the middle of a chain
  EXPECT_EQ(MapIntegerKeys(map.get()), (std::vector<std::intptr_t>{11, 23, 1, 2}));
  EXPECT_EQ(MapGet(map.get(), 1), 10);
}

TEST(HashMapTest, GrowthMovesEachEntryToTheHeadOfItsNewBucket) {
  MapHolder map(CreateHashMap(MapKind::kInteger, MapKind::kInteger));
  // 1 and 254 share a bucket both among 11 and among 23 buckets (254 = 1 + 11 * 23).
  MapPut(map.get(), 1, 0);
  MapPut(map.get(), 254, 0);
  for (const std::intptr_t key : {3, 4, 5, 6, 7, 8}) MapPut(map.get(), key, 0);
  std::vector<std::intptr_t> before = MapIntegerKeys(map.get());
  ASSERT_EQ(before[0], 254);  // bucket 1 of 11: the newer entry first
  ASSERT_EQ(before[1], 1);

  MapPut(map.get(), 9, 0);  // the ninth key grows the map
  ASSERT_EQ(map->bucketCount, 23);
  // The old chain is walked from its head, so its order turns round in the new bucket.
  EXPECT_EQ(MapIntegerKeys(map.get()),
            (std::vector<std::intptr_t>{1, 254, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(HashMapTest, MapWithoutBucketsGrowsOnItsFirstPut) {
  MapHolder map(CreateHashMap(MapKind::kText, MapKind::kInteger, 0));
  ASSERT_NE(map.get(), nullptr);
  EXPECT_EQ(MapGet(map.get(), Text("a")), 0);
  EXPECT_EQ(MapRemove(map.get(), Text("a")), 0);
  EXPECT_EQ(MapPut(map.get(), Text("a"), 4), 0);
  EXPECT_EQ(map->bucketCount, 1);
  EXPECT_EQ(MapGet(map.get(), Text("a")), 4);
}

}  // namespace
}  // namespace marlivo::ui
