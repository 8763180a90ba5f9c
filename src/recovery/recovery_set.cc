#include "recovery/recovery_set.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <numeric>
#include <utility>

namespace floppysplit {

namespace {

using Bytes = std::vector<unsigned char>;
using PacketType = std::array<unsigned char, 16>;

constexpr int64_t kHeaderLength = 64;
constexpr std::string_view kMagic("PAR2\0PKT", 8);

constexpr PacketType packetType(std::string_view text) {
  PacketType type{};
  for (size_t i = 0; i < text.size() && i < type.size(); ++i) {
    type[i] = static_cast<unsigned char>(text[i]);
  }
  return type;
}

constexpr PacketType kMainType = packetType(std::string_view("PAR 2.0\0Main", 12));
constexpr PacketType kFileDescriptionType = packetType(std::string_view("PAR 2.0\0FileDesc", 16));
constexpr PacketType kSliceChecksumType = packetType(std::string_view("PAR 2.0\0IFSC", 12));
constexpr PacketType kRecoverySliceType = packetType(std::string_view("PAR 2.0\0RecvSlic", 16));
constexpr PacketType kCreatorType = packetType(std::string_view("PAR 2.0\0Creator", 15));

void appendNumber(Bytes* bytes, uint64_t value, int width) {
  for (int i = 0; i < width; ++i) bytes->push_back(static_cast<unsigned char>(value >> (8 * i)));
}

template <typename Range>
void appendBytes(Bytes* bytes, const Range& range) {
  bytes->insert(bytes->end(), std::begin(range), std::end(range));
}

uint64_t numberAt(const unsigned char* at, int width) {
  uint64_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = (value << 8) | at[i];
  return value;
}

Status md5Of(const std::vector<std::pair<const void*, size_t>>& parts, Md5Digest* digest) {
  Md5 md5;
  Status status = md5.start();
  for (const auto& [data, length] : parts) {
    if (status == kOk) status = md5.add(data, static_cast<int64_t>(length));
  }
  if (status == kOk) status = md5.finish(digest);
  return status;
}

// Appends a packet of `type` and `body` to `*bytes`, with the header that hashes both.
Status appendPacket(Bytes* bytes, const Md5Digest& setId, const PacketType& type,
                    const Bytes& body) {
  Md5Digest packetMd5{};
  const Status status =
      md5Of({{setId.data(), setId.size()}, {type.data(), type.size()}, {body.data(), body.size()}},
            &packetMd5);
  if (status != kOk) return status;
  appendBytes(bytes, kMagic);
  appendNumber(bytes, static_cast<uint64_t>(kHeaderLength) + body.size(), 8);
  appendBytes(bytes, packetMd5);
  appendBytes(bytes, setId);
  appendBytes(bytes, type);
  appendBytes(bytes, body);
  return kOk;
}

// File IDs sort as the 16-byte little-endian numbers they are: last byte first.
bool idBefore(const Md5Digest& a, const Md5Digest& b) {
  return std::lexicographical_compare(a.rbegin(), a.rend(), b.rbegin(), b.rend());
}

Status fileIdOf(const RecoverySource& source, Md5Digest* id) {
  Bytes length;
  appendNumber(&length, static_cast<uint64_t>(source.digest.length), 8);
  return md5Of({{source.digest.firstBytesMd5.data(), source.digest.firstBytesMd5.size()},
                {length.data(), length.size()},
                {source.name.data(), source.name.size()}},
               id);
}

void padToFour(Bytes* body) {
  while (body->size() % 4 != 0) body->push_back(0);
}

// The intact packets of an index: each set's main packet body, and each file description's
// name and length by set and file ID. Damaged packets are passed over, as readers do.
struct IndexPackets {
  std::map<Md5Digest, Bytes> mains;
  std::map<std::pair<Md5Digest, Md5Digest>, std::pair<std::string, int64_t>> files;
};

IndexPackets readIndexPackets(const std::vector<unsigned char>& index) {
  IndexPackets packets;
  size_t at = 0;
  while (index.size() - at >= static_cast<size_t>(kHeaderLength)) {
    const unsigned char* packet = index.data() + at;
    const uint64_t length = numberAt(packet + 8, 8);
    Md5Digest md5{};
    if (std::memcmp(packet, kMagic.data(), kMagic.size()) != 0 ||
        length < static_cast<uint64_t>(kHeaderLength) || length % 4 != 0 ||
        length > index.size() - at ||
        md5Of({{packet + 32, static_cast<size_t>(length) - 32}}, &md5) != kOk ||
        std::memcmp(md5.data(), packet + 16, md5.size()) != 0) {
      at += 4;
      continue;
    }
    Md5Digest setId{};
    std::memcpy(setId.data(), packet + 32, setId.size());
    const unsigned char* type = packet + 48;
    const unsigned char* body = packet + kHeaderLength;
    const size_t bodyLength = static_cast<size_t>(length) - static_cast<size_t>(kHeaderLength);
    if (std::memcmp(type, kMainType.data(), kMainType.size()) == 0) {
      packets.mains[setId] = Bytes(body, body + bodyLength);
    } else if (std::memcmp(type, kFileDescriptionType.data(), kFileDescriptionType.size()) == 0 &&
               bodyLength >= 56) {
      Md5Digest id{};
      std::memcpy(id.data(), body, id.size());
      std::string name(reinterpret_cast<const char*>(body + 56), bodyLength - 56);
      while (!name.empty() && name.back() == '\0') name.pop_back();
      packets.files[{setId, id}] = {name, static_cast<int64_t>(numberAt(body + 48, 8))};
    }
    at += static_cast<size_t>(length);
  }
  return packets;
}

}  // namespace

uint64_t littleEndianAt(const unsigned char* at, int width) { return numberAt(at, width); }

bool isPacketHeader(const unsigned char* header) {
  const uint64_t length = numberAt(header + 8, 8);
  return std::memcmp(header, kMagic.data(), kMagic.size()) == 0 &&
         length >= static_cast<uint64_t>(kHeaderLength) && length % 4 == 0;
}

PacketKind packetKindOf(const unsigned char* header) {
  const unsigned char* type = header + 48;
  if (std::memcmp(type, kMainType.data(), kMainType.size()) == 0) return PacketKind::main;
  if (std::memcmp(type, kFileDescriptionType.data(), kFileDescriptionType.size()) == 0) {
    return PacketKind::fileDescription;
  }
  if (std::memcmp(type, kRecoverySliceType.data(), kRecoverySliceType.size()) == 0) {
    return PacketKind::recoverySlice;
  }
  return PacketKind::other;
}

int64_t findPacketMagic(const unsigned char* bytes, int64_t length) {
  const auto* end = bytes + length;
  const auto* found =
      std::search(bytes, end, kMagic.begin(), kMagic.end(),
                  [](unsigned char a, char b) { return a == static_cast<unsigned char>(b); });
  return found - bytes;
}

uint32_t inputSliceLogarithm(int32_t slice) {
  static const std::vector<uint32_t> logarithms = [] {
    std::vector<uint32_t> found;
    for (uint32_t n = 1; found.size() < kMostRecoverySlices; ++n) {
      if (n % 3 != 0 && n % 5 != 0 && n % 17 != 0 && n % 257 != 0) found.push_back(n);
    }
    return found;
  }();
  return logarithms[static_cast<size_t>(slice)];
}

Status describeRecoverySet(int64_t sliceSize, std::vector<RecoverySource> sources,
                           RecoverySet* set) {
  set->sliceSize = sliceSize;
  set->sources = std::move(sources);
  const size_t count = set->sources.size();
  std::vector<Md5Digest> ids(count);
  for (size_t i = 0; i < count; ++i) {
    const Status status = fileIdOf(set->sources[i], &ids[i]);
    if (status != kOk) return status;
  }
  set->sliceOrder.resize(count);
  std::iota(set->sliceOrder.begin(), set->sliceOrder.end(), 0);
  std::ranges::stable_sort(set->sliceOrder, [&ids](int32_t a, int32_t b) {
    return idBefore(ids[static_cast<size_t>(a)], ids[static_cast<size_t>(b)]);
  });

  Bytes main;
  appendNumber(&main, static_cast<uint64_t>(sliceSize), 8);
  appendNumber(&main, count, 4);
  for (const int32_t source : set->sliceOrder) appendBytes(&main, ids[static_cast<size_t>(source)]);
  Status status = md5Of({{main.data(), main.size()}}, &set->setId);

  Bytes& index = set->index;
  index.clear();
  if (status == kOk) status = appendPacket(&index, set->setId, kMainType, main);
  for (const int32_t source : set->sliceOrder) {
    if (status != kOk) return status;
    const RecoverySource& file = set->sources[static_cast<size_t>(source)];
    const Md5Digest& id = ids[static_cast<size_t>(source)];
    Bytes description;
    appendBytes(&description, id);
    appendBytes(&description, file.digest.fileMd5);
    appendBytes(&description, file.digest.firstBytesMd5);
    appendNumber(&description, static_cast<uint64_t>(file.digest.length), 8);
    appendBytes(&description, file.name);
    padToFour(&description);
    status = appendPacket(&index, set->setId, kFileDescriptionType, description);
    if (status != kOk) return status;
    Bytes checksums;
    appendBytes(&checksums, id);
    appendBytes(&checksums, file.digest.sliceMd5);
    appendNumber(&checksums, file.digest.sliceCrc, 4);
    status = appendPacket(&index, set->setId, kSliceChecksumType, checksums);
  }
  if (status != kOk) return status;
  Bytes creator;
  appendBytes(&creator, std::string_view("Created by floppysplit version " FLOPPYSPLIT_VERSION));
  padToFour(&creator);
  return appendPacket(&index, set->setId, kCreatorType, creator);
}

Status startRecoveryPacketDigest(const RecoverySet& set, uint32_t exponent, Md5* digest) {
  Bytes start;
  appendBytes(&start, set.setId);
  appendBytes(&start, kRecoverySliceType);
  appendNumber(&start, exponent, 4);
  Status status = digest->start();
  if (status == kOk) status = digest->add(start.data(), static_cast<int64_t>(start.size()));
  return status;
}

std::array<unsigned char, kRecoveryPacketStart> recoveryPacketStart(const RecoverySet& set,
                                                                    uint32_t exponent,
                                                                    const Md5Digest& packetMd5) {
  Bytes bytes;
  appendBytes(&bytes, kMagic);
  appendNumber(&bytes, static_cast<uint64_t>(kRecoveryPacketStart + set.sliceSize), 8);
  appendBytes(&bytes, packetMd5);
  appendBytes(&bytes, set.setId);
  appendBytes(&bytes, kRecoverySliceType);
  appendNumber(&bytes, exponent, 4);
  std::array<unsigned char, kRecoveryPacketStart> start{};
  std::ranges::copy(bytes, start.begin());
  return start;
}

bool indexDescribesFragments(const std::vector<unsigned char>& index, int64_t sliceSize,
                             const std::vector<std::string_view>& names,
                             const std::vector<int64_t>& lengths) {
  const auto [mains, files] = readIndexPackets(index);
  // The index describes the fragments when it has one set only, whose main packet names
  // exactly as many files as there are fragments, in slices of this size, and describes
  // each as one of the fragments, each fragment once.
  if (mains.size() != 1) return false;
  const auto& [setId, main] = *mains.begin();
  if (main.size() < 12 || numberAt(main.data(), 8) != static_cast<uint64_t>(sliceSize)) {
    return false;
  }
  const uint64_t count = numberAt(main.data() + 8, 4);
  if (count != names.size() || main.size() < 12 + 16 * count) return false;
  std::map<std::string, int64_t> wanted;
  for (size_t i = 0; i < names.size(); ++i) wanted[std::string(names[i])] = lengths[i];
  for (uint64_t i = 0; i < count; ++i) {
    Md5Digest id{};
    std::memcpy(id.data(), main.data() + 12 + 16 * i, id.size());
    const auto file = files.find({setId, id});
    if (file == files.end()) return false;
    const auto fragment = wanted.find(file->second.first);
    if (fragment == wanted.end() || fragment->second != file->second.second) return false;
    wanted.erase(fragment);
  }
  return wanted.empty();
}

}  // namespace floppysplit
