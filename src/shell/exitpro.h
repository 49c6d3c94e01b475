#pragma once

#include "AppWindow.h"

// The exit confirmation. (to be built)
class exitpro : public AppWindow
{
    Q_OBJECT
public:
    explicit exitpro(AppContext& context);
};
