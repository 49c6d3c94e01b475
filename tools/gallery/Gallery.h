#pragma once

#include "TestEnvironment.h"

#include <QWidget>
#include <functional>

// One picture of the gallery: a function that builds a window in a representative
// state in a fresh program folder and returns the top-level widget to render.
using ShotMaker = std::function<QWidget*(TestEnvironment& env)>;
bool registerShot(const char* name, ShotMaker make);

#define GALLERY_SHOT_CAT2(a, b) a##b
#define GALLERY_SHOT_CAT(a, b) GALLERY_SHOT_CAT2(a, b)
// GALLERY_SHOT("main-window") { ...; return widget; }
#define GALLERY_SHOT(name)                                                                                             \
    static QWidget* GALLERY_SHOT_CAT(shot_, __LINE__)(TestEnvironment & env);                                          \
    static const bool GALLERY_SHOT_CAT(shot_reg_, __LINE__) = registerShot(name, GALLERY_SHOT_CAT(shot_, __LINE__));   \
    static QWidget* GALLERY_SHOT_CAT(shot_, __LINE__)(TestEnvironment & env)
