// The picture options the command-line tools share: the effect and every tuning value.
#pragma once

#include "document/placement.h"
#include "platform/outcome.h"
#include "render/effect.h"
#include "render/picture_tuning.h"

#include <QCommandLineParser>
#include <QImage>
#include <QString>

namespace tavro::cli {

struct RenderChoice {
    render::Effect effect = render::Effect::BlackWhite;
    render::PictureTuning tuning;
    // Where the picture goes; with nothing asked, where the effect chooser puts it.
    document::PlacementRequest placement;
    double dotsPerMillimetre = document::DefaultDotsPerMillimetre;

    bool asksPlacement() const;
};

// --effect, --grey, --brightness, --contrast, --gamma, --invert, --threshold and --dot-gain;
// --width-mm, --height-mm, --left-mm, --top-mm and --mirror.
void addRenderOptions(QCommandLineParser &parser);
// Done when the options are usable; otherwise names the option and its range.
// Without --effect the choice keeps the effect it came with; each tuning value the same.
platform::Outcome readRenderOptions(const QCommandLineParser &parser, RenderChoice &choice);
// A decimal option within its range; left as it is when not given.
platform::Outcome readDecimalOption(const QCommandLineParser &parser, const QString &option,
                                    render::TuningRange<double> range, double &value);
// --width-mm, --height-mm, --left-mm and --top-mm alone, each as given: finite, a size above 0.
platform::Outcome readMillimetreOptions(const QCommandLineParser &parser,
                                        document::PlacementRequest &request);

struct RenderedBoard {
    QImage board;   // 512 x 512, as the effect chooser puts it on the board
    QString error;  // why the picture could not be read or placed; the board is then white
    bool placementRefused = false;  // the picture was read, but cannot lie where asked
};
// A picture file on the board with the chosen rendering, as a drop and a click would, then
// placed as asked as the window's Size and Position does.
RenderedBoard renderPictureFile(const QString &path, const RenderChoice &choice);

// The board's scale kept in Config.ini of the settings folder, as the program set it.
double storedDotsPerMillimetre(const QString &settingsFolder);

}  // namespace tavro::cli
