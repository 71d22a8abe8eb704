// The store: the cipher, the envelope, the eight files and their updates.
#include "base/files.h"
#include "base/globals.h"
#include "store/cipher.h"
#include "store/historystore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace zv;
using namespace zv::store;

namespace {

const Text Key = "Borquet"
                 "00112233445566778899AABBCCDDEEFF";
const Text OtherKey = "Borquet"
                      "FFEEDDCCBBAA99887766554433221100";

Bytes hex(const char* h) {
    return QByteArray::fromHex(h);
}

// Envelope bytes for a chosen plain block (any length prefix).
Bytes enciphered(const Bytes& plain) {
    return desEcb(plain, prepareKey(Key), true);
}

Bytes plainBlock(qint32 n, int length) {
    Bytes p(length, '\0');
    for (int i = 0; i < 4; ++i)
        p[i] = char((quint32(n) >> (8 * i)) & 0xFF);
    for (int i = 4; i < length; ++i)
        p[i] = char('a' + i % 26);
    return p;
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void knownAnswer();
    void envelopeExample();
    void envelopeSizes_data();
    void envelopeSizes();
    void envelopeChecks_data();
    void envelopeChecks();
    void topBitsOfTheKeyDoNotMatter();
    void emptyStore();
    void appendAndRemove();
    void removeOnEmptyStoreWritesEnvelopes();
    void filesOfAnotherKeyReadEmptyAndAreKept();
    void failedWritesChangeNothing();
    void atomicReplace();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void StoreTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    setRunDirectory(m_dir->path());
    InstallationId = "00112233445566778899AABBCCDDEEFF";
    DataFileExtension = ".dll";
}

void StoreTest::cleanup() {
    setRunDirectory({});
    m_dir.reset();
}

void StoreTest::knownAnswer() {
    // FIPS 46-3 known answer, with the key given directly.
    DesKey key;
    const Bytes k = hex("133457799BBCDFF1");
    std::copy(k.begin(), k.end(), key.begin());
    QCOMPARE(desEcb(hex("0123456789ABCDEF"), key, true).toHex().toUpper(),
             QByteArray("85E813540F0AB405"));
    QCOMPARE(desEcb(hex("85E813540F0AB405"), key, false), hex("0123456789ABCDEF"));
    // The same through the key preparation: the bytes of a key text are
    // bit-reversed before use, so this key text gives that DES key.
    const Text keyText = hex("c82cea9ed93dfb8f");
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(prepareKey(keyText).data()), 8), k);
    QCOMPARE(desEcb(hex("0123456789ABCDEF"), prepareKey(keyText), true), hex("85E813540F0AB405"));
    // Longer key texts fold onto 8 bytes by XOR and end at a zero byte.
    QCOMPARE(prepareKey(keyText + keyText), prepareKey(QByteArray(8, '\0')));
    QCOMPARE(prepareKey(keyText + QByteArray("\0xyz", 4)), prepareKey(keyText));
}

void StoreTest::envelopeExample() {
    const Bytes file = encryptData("#15066", Key);
    QCOMPARE(file.size(), 16);
    QCOMPARE(desEcb(file, prepareKey(Key), false),
             hex("0600000023313530363600000000000000").left(16));
    QCOMPARE(decryptData(file, Key), Bytes("#15066"));
}

void StoreTest::envelopeSizes_data() {
    QTest::addColumn<int>("textLength");
    QTest::addColumn<int>("fileLength");
    QTest::newRow("0") << 0 << 8;
    QTest::newRow("4") << 4 << 8;
    QTest::newRow("5") << 5 << 16;
    QTest::newRow("12") << 12 << 16;
    QTest::newRow("13") << 13 << 24;
    QTest::newRow("1680") << 1680 << 1688;
}

void StoreTest::envelopeSizes() {
    QFETCH(int, textLength);
    QFETCH(int, fileLength);
    const Bytes text(textLength, '7');
    const Bytes file = encryptData(text, Key);
    QCOMPARE(file.size(), fileLength);
    QCOMPARE(decryptData(file, Key), text);
    QVERIFY(openEnvelope(file, Key).has_value());
}

void StoreTest::envelopeChecks_data() {
    QTest::addColumn<Bytes>("file");
    QTest::addColumn<Bytes>("expected");
    QTest::addColumn<bool>("isEnvelope");
    QTest::newRow("7 bytes") << Bytes(7, 'x') << Bytes() << false;
    QTest::newRow("9 bytes") << encryptData("abcdefgh", Key).left(9) << Bytes() << false;
    QTest::newRow("no bytes") << Bytes() << Bytes() << false;
    QTest::newRow("prefix 0 in 16 bytes") << enciphered(plainBlock(0, 16)) << Bytes() << false;
    QTest::newRow("prefix beyond the file") << enciphered(plainBlock(13, 16)) << Bytes() << false;
    QTest::newRow("prefix 8 below") << enciphered(plainBlock(4, 16)) << Bytes() << false;
    QTest::newRow("prefix 7 below") << enciphered(plainBlock(5, 16)) << Bytes("efghi") << true;
    QTest::newRow("prefix exactly fits")
        << enciphered(plainBlock(12, 16)) << Bytes("efghijklmnop") << true;
    QTest::newRow("negative prefix") << enciphered(plainBlock(-1, 16)) << Bytes() << false;
    QTest::newRow("empty text") << enciphered(plainBlock(0, 8)) << Bytes() << true;
    QTest::newRow("another key") << encryptData("#15066#15067", OtherKey) << Bytes() << false;
}

void StoreTest::envelopeChecks() {
    QFETCH(Bytes, file);
    QFETCH(Bytes, expected);
    QFETCH(bool, isEnvelope);
    QCOMPARE(decryptData(file, Key), expected);
    QCOMPARE(openEnvelope(file, Key).has_value(), isEnvelope);
}

void StoreTest::topBitsOfTheKeyDoNotMatter() {
    Text flipped = Key;
    for (char& c : flipped)
        c = char(c ^ 0x80);
    QCOMPARE(encryptData("#15066#15067", flipped), encryptData("#15066#15067", Key));
    Text other = Key;
    other[3] = char(other[3] ^ 0x01);
    QVERIFY(encryptData("#15066", other) != encryptData("#15066", Key));
}

void StoreTest::emptyStore() {
    QCOMPARE(poolSize(), 0);
    const DrawRecord last = lastDraw();
    QCOMPARE(last.period, Text());
    QCOMPARE(last.digits, Text());
    QCOMPARE(storeFilePath(3), m_dir->path() + "/3.dll");
    QCOMPARE(storeKeyText(), Key);
    QCOMPARE(deleteStoreFile(4), 1); // a missing file is no error
}

void StoreTest::appendAndRemove() {
    QCOMPARE(appendDraw({"15066", "1234567"}), 1);
    QCOMPARE(poolSize(), 1);
    QCOMPARE(readStoreText(0), Text("#15066"));
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(readStoreText(k), Text(1, char('0' + k)));
    QCOMPARE(QFileInfo(storeFilePath(0)).size(), 16);
    QCOMPARE(QFileInfo(storeFilePath(7)).size(), 8);
    // The files are exactly the envelopes of their texts.
    QCOMPARE(readFile(storeFilePath(0)), encryptData("#15066", Key));

    QCOMPARE(appendDraw({"15065", "1752033"}), 1);
    QCOMPARE(readStoreText(0), Text("#15066#15065"));
    QCOMPARE(readStoreText(2), Text("27"));
    QCOMPARE(lastDraw().period, Text("15065"));
    QCOMPARE(lastDraw().digits, Text("1752033"));

    QCOMPARE(removeLastDraw(), 1);
    QCOMPARE(readStoreText(0), Text("#15066"));
    QCOMPARE(lastDraw().digits, Text("1234567"));
    // A period text without "#" becomes empty.
    QCOMPARE(writeStoreText(0, "15066"), 1);
    QCOMPARE(removeLastDraw(), 1);
    QCOMPARE(readStoreText(0), Text());
    QCOMPARE(poolSize(), 0);
}

void StoreTest::removeOnEmptyStoreWritesEnvelopes() {
    QCOMPARE(removeLastDraw(), 1);
    for (int k = 0; k < 8; ++k) {
        QCOMPARE(QFileInfo(storeFilePath(k)).size(), 8);
        QCOMPARE(readStoreText(k), Text());
    }
    // An empty text's envelope is a valid file: it is not kept as damage.
    QCOMPARE(appendDraw({"15066", "1234567"}), 1);
    QVERIFY(QDir(m_dir->path()).entryList({"*.bak*"}).isEmpty());
}

void StoreTest::filesOfAnotherKeyReadEmptyAndAreKept() {
    const Bytes foreign = encryptData("#11111#22222", OtherKey);
    QCOMPARE(writeFile(storeFilePath(0), foreign), 1);
    QCOMPARE(writeFile(storeFilePath(1), "damaged"), 1);
    QCOMPARE(readStoreText(0), Text());
    QCOMPARE(poolSize(), 0);
    QCOMPARE(appendDraw({"15066", "1234567"}), 1);
    QCOMPARE(readStoreText(0), Text("#15066"));
    QCOMPARE(readFile(storeFilePath(0) + ".bak"), foreign);
    QCOMPARE(readFile(storeFilePath(1) + ".bak"), Bytes("damaged"));
    QVERIFY(!QFile::exists(storeFilePath(2) + ".bak"));
    // A later unreadable file does not replace the kept one.
    QCOMPARE(writeFile(storeFilePath(0), "other damage!!!!"), 1);
    QCOMPARE(removeLastDraw(), 1);
    QCOMPARE(readFile(storeFilePath(0) + ".bak"), foreign);
    QCOMPARE(readFile(storeFilePath(0) + ".bak.2"), Bytes("other damage!!!!"));
    // Deleting an unreadable file keeps it as well.
    QCOMPARE(writeFile(storeFilePath(5), "damage"), 1);
    QCOMPARE(deleteStoreFile(5), 1);
    QCOMPARE(readFile(storeFilePath(5) + ".bak"), Bytes("damage"));
}

void StoreTest::failedWritesChangeNothing() {
    QCOMPARE(appendDraw({"15066", "1234567"}), 1);
    QMap<int, Bytes> before;
    for (int k = 0; k < 8; ++k)
        before[k] = readFile(storeFilePath(k));
    // File 5 cannot be replaced: nothing of the update may land.
    QVERIFY(QFile::remove(storeFilePath(5)));
    QVERIFY(QDir(m_dir->path()).mkdir("5.dll"));
    QCOMPARE(appendDraw({"15067", "7654321"}), 0);
    QCOMPARE(removeLastDraw(), 0);
    for (int k : {0, 1, 2, 3, 4, 6, 7})
        QCOMPARE(readFile(storeFilePath(k)), before[k]);
    // No temporary file is left behind.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 7);
    // A store folder that does not exist.
    setRunDirectory(m_dir->path() + "/missing");
    QCOMPARE(appendDraw({"15067", "7654321"}), 0);
    QCOMPARE(writeStoreText(0, "#1"), 0);
}

void StoreTest::atomicReplace() {
    QCOMPARE(writeStoreText(0, "#15066"), 1);
    const QString path = storeFilePath(0);
    // The new content is put in place by renaming: a link to the old file
    // keeps the old bytes, never a torn mixture.
    const QString hardLink = m_dir->filePath("old-0.dll");
    QVERIFY(::link(QFile::encodeName(path), QFile::encodeName(hardLink)) == 0);
    QCOMPARE(writeStoreText(0, "#15066#15067"), 1);
    QCOMPARE(readFile(hardLink), encryptData("#15066", Key));
    QCOMPARE(readStoreText(0), Text("#15066#15067"));
}

QTEST_GUILESS_MAIN(StoreTest)
#include "test_store.moc"
