#pragma once

#include "ThemedWindow.h"

// The questionnaire introduction. (to be built)
class Frmravansanji : public ThemedWindow
{
    Q_OBJECT
public:
    explicit Frmravansanji(AppContext& context);
};
