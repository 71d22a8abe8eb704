// Arbitrary bytes as a store file: deciphering never crashes, and whatever it
// gives back is a text that enciphers and deciphers to itself. With the top bit
// of the first byte set, the bytes are also taken as a text to encipher.
#include "store/cipher.h"

#include <cstdint>
#include <cstdlib>

using namespace zv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks a key text; the rest is the file.
    const Text key = "Borquet" + QByteArray(32, char('0' + data[0] % 16));
    const Bytes file(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (data[0] & 0x80) {
        // The rest as a text: its envelope opens to it again.
        const Bytes envelope = store::encryptData(file, key);
        if (envelope.size() % 8 != 0 || envelope.size() < file.size() + 4 ||
            store::openEnvelope(envelope, key) != std::optional<Bytes>(file))
            std::abort();
    }
    const Bytes text = store::decryptData(file, key);
    const auto envelope = store::openEnvelope(file, key);
    // A text comes only from a valid envelope, and is what the envelope holds.
    if (!text.isEmpty() && (!envelope || *envelope != text))
        std::abort();
    if (envelope && envelope->isEmpty() && file.size() != 8)
        std::abort();
    if (text.size() > file.size())
        std::abort();
    if (!text.isEmpty()) {
        const Bytes again = store::encryptData(text, key);
        if (again.size() > file.size() || store::decryptData(again, key) != text)
            std::abort();
    }
    return 0;
}
