#include "store/cipher.h"

#include <openssl/evp.h>

#include <memory>

namespace zv::store {

namespace {

unsigned char reverseBits(unsigned char b) {
    b = static_cast<unsigned char>((b & 0xF0) >> 4 | (b & 0x0F) << 4);
    b = static_cast<unsigned char>((b & 0xCC) >> 2 | (b & 0x33) << 2);
    b = static_cast<unsigned char>((b & 0xAA) >> 1 | (b & 0x55) << 1);
    return b;
}

using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

} // namespace

DesKey prepareKey(const Text& keyText) {
    DesKey k{};
    for (qsizetype i = 0; i < keyText.size() && keyText[i] != '\0'; ++i)
        k[size_t(i % 8)] ^= static_cast<unsigned char>(keyText[i]);
    for (unsigned char& b : k)
        b = reverseBits(b);
    return k;
}

Bytes desEcb(const Bytes& blocks, const DesKey& key, bool encipher) {
    if (blocks.isEmpty() || blocks.size() % 8 != 0)
        return {};
    // Triple DES with three equal keys is single DES, and lives in the
    // default provider of OpenSSL 3.
    unsigned char tripleKey[24];
    for (int i = 0; i < 3; ++i)
        std::copy(key.begin(), key.end(), tripleKey + 8 * i);
    CipherContext ctx(EVP_CIPHER_CTX_new(), EVP_CIPHER_CTX_free);
    if (!ctx || EVP_CipherInit_ex(ctx.get(), EVP_des_ede3_ecb(), nullptr, tripleKey, nullptr,
                                  encipher ? 1 : 0) != 1)
        return {};
    EVP_CIPHER_CTX_set_padding(ctx.get(), 0);
    Bytes out(blocks.size(), '\0');
    int written = 0;
    if (EVP_CipherUpdate(ctx.get(), reinterpret_cast<unsigned char*>(out.data()), &written,
                         reinterpret_cast<const unsigned char*>(blocks.constData()),
                         int(blocks.size())) != 1 ||
        written != blocks.size())
        return {};
    return out;
}

Bytes encryptData(const Bytes& bytes, const Text& keyText) {
    const qint32 n = qint32(bytes.size());
    const qsizetype padded = (qsizetype(n) + 4 + 7) / 8 * 8;
    Bytes plain(padded, '\0');
    for (int i = 0; i < 4; ++i)
        plain[i] = char((quint32(n) >> (8 * i)) & 0xFF);
    std::copy(bytes.begin(), bytes.end(), plain.begin() + 4);
    return desEcb(plain, prepareKey(keyText), true);
}

std::optional<Bytes> openEnvelope(const Bytes& bytes, const Text& keyText) {
    const qsizetype length = bytes.size();
    if (length == 0 || length % 8 != 0)
        return std::nullopt;
    const Bytes plain = desEcb(bytes, prepareKey(keyText), false);
    if (plain.size() != length)
        return std::nullopt;
    quint32 raw = 0;
    for (int i = 0; i < 4; ++i)
        raw |= quint32(static_cast<unsigned char>(plain[i])) << (8 * i);
    const qint64 n = qint32(raw);
    if (n == 0 && length == 8)
        return Bytes(); // the envelope of an empty text
    if (n > 0 && n <= length - 4 && length < n + 12)
        return plain.mid(4, qsizetype(n));
    return std::nullopt;
}

Bytes decryptData(const Bytes& bytes, const Text& keyText) {
    return openEnvelope(bytes, keyText).value_or(Bytes());
}

} // namespace zv::store
