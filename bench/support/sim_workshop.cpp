#include "support/sim_workshop.h"

#include "render/effect_board.h"
#include "render/work_snapshot.h"
#include "support/photo_like.h"

#include <QFont>
#include <QPainter>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace tavro::bench {

QImage boardOf(const QImage &picture, render::Effect effect)
{
    return render::renderEffectBoard(render::makeWorkSnapshot(picture, picture.size()), effect);
}

QImage photoBoard()
{
    return boardOf(photoLike(640, 480), render::Effect::Dither);
}

QImage textBoard()
{
    QImage picture(600, 600, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QFont font(u"Liberation Sans"_s);
    font.setPixelSize(34);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QStringList lines{u"Tavro Laser"_s, u"made by hand"_s, u"for Anna & Jonas"_s,
                            u"12 May 2024"_s, u"wood, leather, card"_s};
    for (int i = 0; i < lines.size(); ++i) painter.drawText(40, 80 + i * 110, lines[i]);
    painter.end();
    return boardOf(picture, render::Effect::BlackWhite);
}

SimWorkshop::SimWorkshop(const Timing &timing)
{
    sim::EngraverOptions options;
    options.linkPath = m_dir.filePath(u"ttyBench"_s);
    options.eraseMs = 20;
    options.dotUs = timing.dotUs;
    options.rowMs = timing.rowMs;
    options.blankRowMs = timing.blankRowMs;
    m_machine = std::make_unique<sim::Engraver>(options);
    m_machine->start();
}

bool SimWorkshop::connect()
{
    m_session.connectMachine();
    return QTest::qWaitFor([&] { return m_session.link().state() == link::LinkState::Identified; },
                           20000);
}

}  // namespace tavro::bench
