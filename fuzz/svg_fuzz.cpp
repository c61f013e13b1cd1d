// Arbitrary bytes through the SVG check and, when they pass, Qt's SVG module at a small size.
#include "pictures/vector_picture.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

using namespace tavro;

namespace {

// Small, so that every accepted input is drawn in milliseconds.
constexpr int FuzzDrawSize = 24;

}  // namespace

// Text is drawn only with fonts, which need a QGuiApplication.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Qt's SVG module complains about what it cannot draw; that is expected here.
    static const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    Q_UNUSED(previous);

    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const platform::Result<pictures::VectorPicture> picture =
        pictures::VectorPicture::fromData(bytes);
    if (!picture) return 0;
    (void)picture->render({FuzzDrawSize, FuzzDrawSize});
    (void)picture->render({FuzzDrawSize / 3, FuzzDrawSize * 2});
    return 0;
}
