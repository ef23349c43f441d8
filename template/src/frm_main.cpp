#include "frm_main.hpp"

namespace atrium {

frmMain& frmMain::Instance() {
    static frmMain form;
    return form;
}

}  // namespace atrium
