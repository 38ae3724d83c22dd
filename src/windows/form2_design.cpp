#include "windows/form2_design.h"

namespace fluvane::windows {

Form2Design::Form2Design()
    : close{1, "退出程序"},
      dddd{2, "检测升级"},
      shouye{3, "访问首页"},
      dddde{4, "关于我们"},
      shnhhy{5, "软件设置"},
      display{6, "显示或隐藏"},
      houtui{7, "后退一页"},
      qianjin{8, "前进一页"},
      shuaxin{9, "刷新一下"},
      O{10, "返回首页"},
      gyyy{11, "关于我们"},
      djeu{12, "检测升级"},
      dheyw{13, "软件设置"},
      sssssw{14, "退出程序"},
      menu{"托盘菜单", {&close, &df, &dddd, &shouye, &hnn, &dddde, &shnhhy, &dddecc, &display}},
      MyMenu{"右键", {&houtui, &vgg, &qianjin, &SSE, &shuaxin, &DES, &O}},
      caidan{"ddddgg", {&gyyy, &djeu, &dheyw, &ddd, &sssssw}} {}

}  // namespace fluvane::windows
