#pragma once
// The recovery files' packets, in the public PAR 2.0 format: each source file is one
// fragment and one input slice, the slice size the full fragments' length, the final
// fragment padded with zeros to it. The index (`Recomb.par2`) holds the main packet, a
// file description and a slice checksum packet per fragment and a creator packet; each
// volume holds one recovery slice, the sum over the input slices of slice times its
// constant raised to the volume's exponent (galois_field.h). All numbers little-endian.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/md5.h"

namespace floppysplit {

// At most this many input slices have constants of their own, and this program writes at
// most as many recovery slices.
inline constexpr int32_t kMostRecoverySlices = 32768;

// The header and exponent that open a volume, before its slice.
inline constexpr int64_t kRecoveryPacketStart = 68;

// What the recovery files record of one fragment, from its bytes.
struct SourceDigest {
  Md5Digest fileMd5{};
  // The MD5 of the first 16 KiB, or of the whole fragment where it is shorter.
  Md5Digest firstBytesMd5{};
  // The MD5 and CRC-32 of the fragment padded with zeros to the slice size.
  Md5Digest sliceMd5{};
  uint32_t sliceCrc = 0;
  int64_t length = 0;
};

struct RecoverySource {
  std::string name;
  SourceDigest digest;
};

struct RecoverySet {
  int64_t sliceSize = 0;
  // In the order of the fragments.
  std::vector<RecoverySource> sources;
  // Input slice i comes from source sliceOrder[i]: the sources sorted by their file IDs.
  std::vector<int32_t> sliceOrder;
  Md5Digest setId{};
  // The index file's bytes.
  std::vector<unsigned char> index;
};

// Works out the file IDs, the slice order, the set's ID and the index. `sources` holds 1 to
// kMostRecoverySlices fragments, none longer than `sliceSize`, a multiple of 4.
Status describeRecoverySet(int64_t sliceSize, std::vector<RecoverySource> sources,
                           RecoverySet* set);

// The logarithm (to base 2) of input slice `slice`'s constant, counted from 0: the
// exponents from 1 on that 3, 5, 17 and 257 do not divide, in order.
uint32_t inputSliceLogarithm(int32_t slice);

// Starts `*digest` as the recovery packet of `exponent` hashes it: the set's ID, the type
// and the exponent, to which the slice is then added.
Status startRecoveryPacketDigest(const RecoverySet& set, uint32_t exponent, Md5* digest);

// The first kRecoveryPacketStart bytes of a volume, given its packet's MD5.
std::array<unsigned char, kRecoveryPacketStart> recoveryPacketStart(const RecoverySet& set,
                                                                    uint32_t exponent,
                                                                    const Md5Digest& packetMd5);

// Packets read back: each opens with a header of kPacketHeaderLength bytes, the magic, the
// packet's length, its MD5 (of everything after that MD5), the set's ID and its type.
inline constexpr int64_t kPacketHeaderLength = 64;

enum class PacketKind { main, fileDescription, recoverySlice, other };

// The little-endian number of `width` bytes at `at`.
uint64_t littleEndianAt(const unsigned char* at, int width);

// Whether `header` opens a packet: the magic, and a length that is a multiple of 4 and at
// least the header's.
bool isPacketHeader(const unsigned char* header);

// What the packet that `header` opens holds.
PacketKind packetKindOf(const unsigned char* header);

// Where the magic that opens every packet first occurs in `bytes` (`length` of them), or
// `length` where it does not.
int64_t findPacketMagic(const unsigned char* bytes, int64_t length);

// Whether `index`, the bytes of an index file, describes exactly the fragments
// `names` of `lengths` in slices of `sliceSize`: its main packet and a file description of
// each, intact, and nothing else as source files.
bool indexDescribesFragments(const std::vector<unsigned char>& index, int64_t sliceSize,
                             const std::vector<std::string_view>& names,
                             const std::vector<int64_t>& lengths);

}  // namespace floppysplit
