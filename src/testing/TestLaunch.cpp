#include "TestLaunch.h"

#include "shell/Frm1.h"

void TestLaunch::launch(AppContext& context, Frm1& main, int scaleNumber)
{
    Q_UNUSED(context);
    Q_UNUSED(scaleNumber);
    main.reset();
}
