#include "recovery/recovery_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <set>
#include <utility>

#include "platform/file_system.h"
#include "platform/owned_file.h"
#include "recovery/recovery_files.h"
#include "recovery/recovery_set.h"

namespace floppysplit {

namespace {

using Bytes = std::vector<unsigned char>;

// Larger than any packet but a recovery slice: a main packet of kMostRecoverySlices files
// takes half a megabyte.
constexpr int64_t kLargestPacket = int64_t{4} << 20;
// Bytes per read while looking for the next packet.
constexpr int64_t kSearchBytes = int64_t{64} << 10;

// Reads exactly `length` bytes at `offset`.
bool readExactly(OsFile file, int64_t offset, void* data, int64_t length) {
  int64_t got = 0;
  return osReadAt(file, offset, data, length, &got) == kOk && got == length;
}

struct FileDescription {
  std::string name;
  int64_t length = 0;
  Md5Digest md5{};
};

// Every intact packet found so far, by set.
struct Packets {
  std::map<Md5Digest, Bytes> mains;
  std::map<std::pair<Md5Digest, Md5Digest>, FileDescription> files;
  std::map<Md5Digest, std::vector<RecoveryVolume>> volumes;
};

Md5Digest digestAt(const unsigned char* at) {
  Md5Digest digest{};
  std::memcpy(digest.data(), at, digest.size());
  return digest;
}

// The MD5 of `length` bytes of `file` from `offset`, read through `buffer`.
bool md5OfRange(OsFile file, int64_t offset, int64_t length, unsigned char* buffer,
                int64_t bufferBytes, Md5Digest* digest) {
  Md5 md5;
  if (md5.start() != kOk) return false;
  while (length > 0) {
    const int64_t part = std::min(length, bufferBytes);
    if (!readExactly(file, offset, buffer, part) || md5.add(buffer, part) != kOk) return false;
    offset += part;
    length -= part;
  }
  return md5.finish(digest) == kOk;
}

class PacketScan {
 public:
  PacketScan(const std::string& name, OsFile file, int64_t length, Packets* packets)
      : name_(name), file_(file), length_(length), packets_(*packets) {}

  void run() {
    int64_t at = 0;
    std::array<unsigned char, kPacketHeaderLength> header{};
    while (length_ - at >= kPacketHeaderLength) {
      if (!readExactly(file_, at, header.data(), kPacketHeaderLength)) return;
      const uint64_t length = littleEndianAt(header.data() + 8, 8);
      if (isPacketHeader(header.data()) && length <= static_cast<uint64_t>(length_ - at) &&
          take(at, header.data(), static_cast<int64_t>(length))) {
        at += static_cast<int64_t>(length);
      } else {
        at = nextMagic(at + 1);
      }
    }
  }

 private:
  // Takes the packet at `at`; false where it is damaged.
  bool take(int64_t at, const unsigned char* header, int64_t length) {
    const Md5Digest setId = digestAt(header + 32);
    if (packetKindOf(header) == PacketKind::recoverySlice) {
      std::array<unsigned char, 4> exponent{};
      if (length < kRecoveryPacketStart ||
          !readExactly(file_, at + kPacketHeaderLength, exponent.data(), 4)) {
        return false;
      }
      packets_.volumes[setId].push_back({name_, at, length,
                                         static_cast<uint32_t>(littleEndianAt(exponent.data(), 4)),
                                         digestAt(header + 16)});
      return true;
    }
    if (length > kLargestPacket) return false;
    Bytes packet(static_cast<size_t>(length));
    Md5Digest md5{};
    Md5 digest;
    if (!readExactly(file_, at, packet.data(), length) || digest.start() != kOk ||
        digest.add(packet.data() + 32, length - 32) != kOk || digest.finish(&md5) != kOk ||
        md5 != digestAt(header + 16)) {
      return false;
    }
    const Bytes body(packet.begin() + kPacketHeaderLength, packet.end());
    switch (packetKindOf(header)) {
      case PacketKind::main:
        packets_.mains[setId] = body;
        break;
      case PacketKind::fileDescription:
        if (body.size() >= 56) {
          std::string fileName(reinterpret_cast<const char*>(body.data() + 56), body.size() - 56);
          while (!fileName.empty() && fileName.back() == '\0') fileName.pop_back();
          packets_.files[{setId, digestAt(body.data())}] = {
              fileName, static_cast<int64_t>(littleEndianAt(body.data() + 48, 8)),
              digestAt(body.data() + 16)};
        }
        break;
      default:
        break;
    }
    return true;
  }

  // Where the next packet's magic lies from `from` on; the file's length where none does.
  int64_t nextMagic(int64_t from) {
    Bytes window(static_cast<size_t>(kSearchBytes));
    for (;;) {
      const int64_t part = std::min(kSearchBytes, length_ - from);
      if (part < kPacketHeaderLength || !readExactly(file_, from, window.data(), part)) {
        return length_;
      }
      const int64_t found = findPacketMagic(window.data(), part);
      if (found < part) return from + found;
      // The magic may straddle two windows.
      from += part - 7;
    }
  }

  const std::string& name_;
  OsFile file_;
  int64_t length_;
  Packets& packets_;
};

void scanFile(const std::string& name, Packets* packets) {
  OwnedFile file;
  if (osOpenRegularForReading(name, file.receive()) != kOk) return;
  int64_t length = 0;
  if (osLength(file.get(), &length) == kOk) PacketScan(name, file.get(), length, packets).run();
}

// The regular files in `folder` that hold recovery data, the index and its copy first, each
// as reached from the current folder.
std::vector<std::string> recoveryFileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::set<std::string> seen;
  std::vector<std::string> others = osNamesInFolder(folder, "Recomb.", ".par2");
  std::ranges::sort(others);
  std::vector<std::string> candidates{std::string(kRecoveryIndexName),
                                      std::string(kRecoveryIndexCopyName)};
  candidates.insert(candidates.end(), others.begin(), others.end());
  for (const std::string& name : candidates) {
    const std::string path = osNameInFolder(folder, name);
    if (seen.insert(name).second && osEntryKind(path) == OsEntryKind::regularFile) {
      names.push_back(path);
    }
  }
  return names;
}

// Fills `*data` from the set of `setId` where its main packet and every file description
// are there: usable where its files are exactly the fragments, in slices of the first
// fragment's length that hold one fragment each.
bool describeFromSet(const Packets& packets, const Md5Digest& setId, const Bytes& main,
                     const std::vector<std::string_view>& names,
                     const std::vector<std::optional<int64_t>>& lengths, RecoveryData* data) {
  if (main.size() < 12) return false;
  const auto sliceSize = static_cast<int64_t>(littleEndianAt(main.data(), 8));
  const uint64_t count = littleEndianAt(main.data() + 8, 4);
  if (main.size() < 12 + 16 * count) return false;
  std::vector<const FileDescription*> files;
  for (uint64_t i = 0; i < count; ++i) {
    const auto file = packets.files.find({setId, digestAt(main.data() + 12 + 16 * i)});
    if (file == packets.files.end()) return false;
    files.push_back(&file->second);
  }
  // The set is described whole; from here on it either covers the fragments or not.
  data->state = RecoveryState::notCovering;
  const size_t fragments = names.size();
  if (count != fragments || main.size() != 12 + 16 * count || sliceSize <= 0) return true;
  std::map<std::string_view, int32_t> fragmentOf;
  for (size_t n = 0; n < fragments; ++n) fragmentOf[names[n]] = static_cast<int32_t>(n);
  data->sliceFragment.assign(fragments, -1);
  data->fragmentSlice.assign(fragments, -1);
  data->fragmentLength.assign(fragments, 0);
  data->fragmentMd5.assign(fragments, {});
  for (size_t slice = 0; slice < fragments; ++slice) {
    const FileDescription& file = *files[slice];
    const auto found = fragmentOf.find(file.name);
    if (found == fragmentOf.end()) return true;
    const auto n = static_cast<size_t>(found->second);
    if (data->fragmentSlice[n] >= 0 || file.length <= 0 || file.length > sliceSize ||
        (lengths[n] && *lengths[n] != file.length)) {
      return true;
    }
    data->sliceFragment[slice] = found->second;
    data->fragmentSlice[n] = static_cast<int32_t>(slice);
    data->fragmentLength[n] = file.length;
    data->fragmentMd5[n] = file.md5;
  }
  // Every fragment but the last fills its slice: the slice is the fragment size.
  if (fragments > 1 && data->fragmentLength[0] != sliceSize) return true;
  data->state = RecoveryState::usable;
  data->sliceSize = sliceSize;
  const auto volumes = packets.volumes.find(setId);
  if (volumes != packets.volumes.end()) data->volumes = volumes->second;
  return true;
}

}  // namespace

bool recoveryFilesPresent(const std::string& folder) {
  return !recoveryFileNamesIn(folder).empty();
}

RecoveryData readRecoveryData(const std::string& folder, const std::vector<std::string_view>& names,
                              const std::vector<std::optional<int64_t>>& lengths) {
  RecoveryData data;
  const std::vector<std::string> files = recoveryFileNamesIn(folder);
  if (files.empty()) return data;
  Packets packets;
  for (const std::string& name : files) scanFile(name, &packets);
  data.state = RecoveryState::indexMissing;
  for (const auto& [setId, main] : packets.mains) {
    RecoveryData candidate;
    if (!describeFromSet(packets, setId, main, names, lengths, &candidate)) continue;
    if (candidate.state == RecoveryState::usable) return candidate;
    data.state = RecoveryState::notCovering;
  }
  return data;
}

std::vector<RecoveryVolume> pickIntactVolumes(const RecoveryData& data, size_t wanted, char* buffer,
                                              int64_t bufferBytes, int32_t* damaged) {
  std::vector<RecoveryVolume> picked;
  std::set<uint32_t> exponents;
  *damaged = 0;
  for (const RecoveryVolume& volume : data.volumes) {
    if (picked.size() == wanted) break;
    if (exponents.contains(volume.exponent)) continue;
    OwnedFile file;
    bool intact = volume.length == kRecoveryPacketStart + data.sliceSize &&
                  osOpenRegularForReading(volume.file, file.receive()) == kOk;
    if (intact) {
      Md5Digest md5{};
      intact = md5OfRange(file.get(), volume.offset + 32, volume.length - 32,
                          reinterpret_cast<unsigned char*>(buffer), bufferBytes, &md5) &&
               md5 == volume.packetMd5;
    }
    if (!intact) {
      ++*damaged;
      continue;
    }
    exponents.insert(volume.exponent);
    picked.push_back(volume);
  }
  return picked;
}

}  // namespace floppysplit
