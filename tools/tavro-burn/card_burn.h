// tavro-burn --test-card: a material test card burnt from the command line, column by column.
#pragma once

#include "session/session.h"
#include "session/test_card_run.h"

#include <QObject>

#include <chrono>

class QCommandLineParser;

namespace tavro::burn {

void addCardOptions(QCommandLineParser &parser);
bool cardRequested(const QCommandLineParser &parser);
// Reads the card's options, finds the machine and burns the card; the exit status, as BurnRun's.
int runCard(const QCommandLineParser &parser, const QStringList &commandLine);

// Finds the machine and drives the card's run on the session, saying what it does.
class CardBurn final : public QObject {
    Q_OBJECT
public:
    struct Plan {
        materials::TestCardPlan card;
        int fromColumn = 0;  // counted from 0
        int fromRow = 0;
        // The command as given, without its --from-column and --from-row.
        QString command;
    };

    CardBurn(session::Session &session, Plan plan, QObject *parent = nullptr);

    void begin();
    // Ctrl-C and the like: a machine that is carving is paused before the command ends. `why`
    // is said when it is not the operator's own doing.
    void interrupt(const QString &why = {});
    // The exact command that goes on from where the card is now.
    QString resumeCommand() const;

signals:
    void said(const QString &line);
    void progressed(qint64 done, qint64 total, std::chrono::milliseconds left);
    void finished(int status);

private:
    enum class Phase { Searching, Burning, Over };

    void makeConnections();
    void onIdentified();
    void onCardState(session::TestCardRun::State state);
    void reportProgress();
    void finish(int status, const QString &line);

    session::Session &m_session;
    session::TestCardRun m_run;
    Plan m_plan;
    Phase m_phase = Phase::Searching;
};

}  // namespace tavro::burn
