#pragma once

#include "AppWindow.h"

// The about window. (to be built)
class About : public AppWindow
{
    Q_OBJECT
public:
    explicit About(AppContext& context);
};
