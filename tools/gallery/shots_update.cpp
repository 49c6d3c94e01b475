#include "Gallery.h"

#include "shell/About.h"
#include "shell/Frmravansanji.h"
#include "update/FrmUpdate.h"

#include <QTimer>

GALLERY_SHOT("update-check")
{
    return env.windows->show<FrmUpdate>();
}

GALLERY_SHOT("questionnaire-intro")
{
    return env.windows->show<Frmravansanji>();
}

GALLERY_SHOT("about")
{
    About* w = env.windows->show<About>();
    for (QTimer* t : w->findChildren<QTimer*>())
        t->stop();
    return w;
}

GALLERY_SHOT("about-animated")
{
    About* w = env.windows->show<About>();
    for (QTimer* t : w->findChildren<QTimer*>())
        t->stop();
    // Half-way through the condensing, with the column risen and two labels recycled.
    for (int k = 0; k < 120; ++k) {
        w->scrollTick();
        w->condenseTick();
    }
    for (int k = 0; k < 5; ++k)
        w->colourTick();
    return w;
}
