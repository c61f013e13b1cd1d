// File names whose bytes are not valid UTF-8: kept whole from bytes, arguments and URLs.
#include "platform/file_name.h"

#include <QFile>
#include <QUrl>

#include <gtest/gtest.h>

#include <random>

using namespace tavro::platform;
using namespace Qt::Literals::StringLiterals;

namespace {

TEST(FileName, EveryByteSequenceComesBackWhole)
{
    const QByteArray cases[] = {
        "plain.png",
        "\xff\xfe.png",
        "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80.png",  // valid: decoded as Qt does
        "latin-1 caf\xe9.png",
        "\xc0\x80 overlong",
        "\xed\xb3\xbf encoded surrogate",
        "\xf4\x90\x80\x80 beyond U+10FFFF",
        "cut short \xe2\x82",
        "\xef\xbf\xbd a real U+FFFD",
    };
    for (const QByteArray &bytes : cases) {
        const QString name = fileNameFromBytes(bytes);
        EXPECT_EQ(fileNameBytes(name), bytes) << bytes.toHex().constData();
        if (QByteArrayView(bytes).isValidUtf8()) {
            EXPECT_EQ(name, QFile::decodeName(bytes));
        }
    }
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(int(random() % 24), '\0');
        for (auto &b : bytes) b = char(random() % 255 + 1);
        EXPECT_EQ(fileNameBytes(fileNameFromBytes(bytes)), bytes) << bytes.toHex().constData();
    }
}

TEST(FileName, ShownWithReplacementCharacters)
{
    const QString name = fileNameFromBytes("/tmp/\xff\xfe \xf0\x9f\x98\x80.png");
    EXPECT_EQ(displayFileName(name), u"/tmp/\uFFFD\uFFFD \U0001F600.png"_s);
    // A character beyond U+FFFF whose second half lies in the escape range stays itself.
    const QString pair = u"\U00010080"_s;
    EXPECT_EQ(displayFileName(pair), pair);
    EXPECT_EQ(fileNameBytes(pair), pair.toUtf8());
}

TEST(FileName, UrlsAndArgumentsKeepTheBytes)
{
    const QByteArray bytes = "/tmp/d\xc3\xa9j\xc3\xa0/\xff\xfe 1.png";
    const QString name = fileNameFromBytes(bytes);
    // As a file manager drops it: the bytes percent-encoded.
    EXPECT_EQ(localFileFromUrl(QUrl::fromEncoded("file:///tmp/d%C3%A9j%C3%A0/%FF%FE%201.png")),
              name);
    EXPECT_EQ(localFileFromUrl(QUrl::fromLocalFile(name)), name);
    EXPECT_EQ(localFileFromUrl(QUrl::fromEncoded("file:///tmp/%EF%BF%BD.png")),
              u"/tmp/\uFFFD.png"_s);

    const char *argv[] = {"tavro", "--trace", bytes.constData()};
    EXPECT_EQ(commandLineArguments(3, argv), (QStringList{u"tavro"_s, u"--trace"_s, name}));
}

}  // namespace
