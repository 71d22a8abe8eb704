// The store cipher: DES in ECB mode inside a length-prefixed envelope.
#pragma once

#include "base/text.h"

#include <array>
#include <optional>

namespace zv::store {

using DesKey = std::array<unsigned char, 8>;

// The DES key of a key text: its bytes (up to the first zero byte) folded by
// XOR into 8 bytes, then each byte's bit order reversed.
DesKey prepareKey(const Text& keyText);

// Enciphers or deciphers whole 8-byte blocks with DES-ECB (the length must be a
// multiple of 8).
Bytes desEcb(const Bytes& blocks, const DesKey& key, bool encipher);

// The envelope: a 4-byte little-endian length, the bytes, zero padding to a
// multiple of 8, all enciphered.
Bytes encryptData(const Bytes& bytes, const Text& keyText);
// The framed bytes, or empty when the envelope checks fail.
Bytes decryptData(const Bytes& bytes, const Text& keyText);
// As decryptData, but tells a valid envelope of an empty text (8 bytes)
// apart from bytes that are not an envelope at all (nullopt).
std::optional<Bytes> openEnvelope(const Bytes& bytes, const Text& keyText);

} // namespace zv::store
