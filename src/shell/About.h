#pragma once

#include "AppWindow.h"

#include <QPixmap>
#include <QStringList>

class QLabel;
class QTimer;
class QToolButton;

// The about window: the credits over a background picture, with three animations: a
// column of four credit labels that rises and recycles its labels through the credit
// list, colour changes of two of those labels, and a credit sentence that condenses
// itself letter by letter. The timers are named (colourTimer, scrollTimer,
// condenseTimer) and their steps are public slots, so that tests step them by hand.
class About : public AppWindow
{
    Q_OBJECT
public:
    explicit About(AppContext& context);

    // The seven credit texts and the two empty entries that end the cycle.
    static QStringList creditList(const QString& siteHost, const QString& shopHost);
    // The sentence of the credit line, each letter followed by blanks and each word gap
    // written as a dot, so that condensing it draws the letters together and then opens
    // the gaps.
    static QString spreadOut(const QString& sentence);
    // Index i (0..15) of the standard 16-colour palette.
    static QColor paletteColour(int index);
    // The colour step lives as long as the program: each opening carries it on.
    static int colourStep() { return s_colourStep; }

    QLabel* creditLabel(int i) const { return m_labels[i - 1]; } // 1..4
    int labelTopTwips(int i) const { return m_topTwips[i - 1]; }
    int nextEntry() const { return m_nextEntry; }
    QString creditSentence() const;

public Q_SLOTS:
    void colourTick();
    void scrollTick();
    void condenseTick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeLabel(int index);

    static int s_colourStep;

    QPixmap m_background;
    QLabel* m_labels[4];
    int m_topTwips[4];
    QLabel* m_sentence;
    QToolButton* m_exit;
    QTimer* m_colourTimer;
    QTimer* m_scrollTimer;
    QTimer* m_condenseTimer;
    QStringList m_credits;
    int m_nextEntry = 0;
    QString m_pattern;
    QString m_replacement;
};
