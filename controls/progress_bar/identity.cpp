#include "controls/progress_bar/identity.h"

#include "controls/progress_bar/PgbAllgemein.h"
#include "controls/progress_bar/ProgressBar.h"

namespace kolvetra {

using namespace platform::com;

const ServerDescription& DescribeServer()
{
    static const ServerDescription server{
        {kTypeLibName, kLIBID_Kolvetra, kTypeLibMajor, kTypeLibMinor, kTypeLibLocale},
        {
            {kCLSID_ProgressBar, kProgIdProgressBar, "ProgressBar", &CreateObjectOf<ProgressBar>,
             kToolboxPicture},
            {kCLSID_PgbAllgemein, "", "PgbAllgemein", &CreateObjectOf<PgbAllgemein>},
        }};
    return server;
}

} // namespace kolvetra
