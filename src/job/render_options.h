// The picture options the command-line tools share: the effect and every tuning value.
#pragma once

#include "job/effect.h"
#include "job/picture_tuning.h"

#include <QCommandLineParser>
#include <QImage>
#include <QString>

namespace tavro::job {

struct RenderChoice {
    Effect effect = Effect::BlackWhite;
    PictureTuning tuning;
};

// --effect, --grey, --brightness, --contrast, --gamma, --invert, --threshold and --dot-gain.
void addRenderOptions(QCommandLineParser &parser);
// Empty when the options are usable; otherwise names the option and its range.
// Without --effect the choice keeps the effect it came with; each tuning value the same.
QString readRenderOptions(const QCommandLineParser &parser, RenderChoice &choice);

struct RenderedBoard {
    QImage board;   // 512 x 512, as the effect chooser puts it on the board
    QString error;  // why the picture could not be read; the board is then white
};
// A picture file on the board with the chosen rendering, as a drop and a click would.
RenderedBoard renderPictureFile(const QString &path, const RenderChoice &choice);

}  // namespace tavro::job
