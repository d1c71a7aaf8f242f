// Every control of MainWindow with its place, look and handler. Places of page
// controls count from the tab control's top-left corner.
#include "app/control_table.h"

#include "actions/about/contact_links.h"
#include "actions/clean/clean_system.h"
#include "actions/display/resolution_preset.h"
#include "actions/relocate/relocate.h"
#include "actions/services/services.h"
#include "actions/tools/tools_page.h"
#include "app/about_window.h"
#include "app/makers.h"

namespace kelvaro {
namespace {

void ExitProgram(System&, Form& form) {
  form.Close();
}

using enum ControlKind;
using enum Event;
using C = Control;
constexpr int kBelow = kBelowTabs;

}  // namespace

const char* const kPageTitles[kPageCount] = {"分辨率", "XP优化", "转资料",
                                             "清系统", "小工具", "介绍"};

const Handler kMainWindowCreated = MainWindowCreated;

const ControlRow kControls[kControlCount] = {
    {C::选择夹1, kTab, "", kBelow, 6, 8, 295, 144},

    // Page 0, 分辨率.
    {C::分组框1, kFrame, "CRT显示器", 0, 9, 30, 85, 80},
    {C::单选1, kRadio, "15寸CRT", 0, 15, 49, 75, 15},
    {C::单选2, kRadio, "17寸CRT", 0, 15, 68, 75, 15},
    {C::单选3, kRadio, "19寸CRT", 0, 15, 87, 75, 15},
    {C::分组框2, kFrame, "普通液晶", 0, 104, 30, 85, 80},
    {C::单选4, kRadio, "15寸LCD", 0, 111, 49, 70, 15},
    {C::单选5, kRadio, "17寸LCD", 0, 111, 68, 70, 15},
    {C::单选6, kRadio, "19寸LCD", 0, 111, 87, 70, 15},
    {C::分组框3, kFrame, "宽屏液晶", 0, 200, 30, 85, 80},
    {C::单选7, kRadio, "17宽屏LCD", 0, 205, 49, 75, 15},
    {C::单选8, kRadio, "19宽屏LCD", 0, 205, 68, 75, 15},
    {C::单选9, kRadio, "22宽屏LCD", 0, 205, 87, 75, 15},
    {C::标签1, kLabel, "分辨率：", 0, 15, 115, 49, 20, kSongFont | kBlueText},
    {C::标签2, kLabel, "", 0, 64, 115, 144, 20, kSongFont | kBlueText},
    {C::按钮1, kButton, "设置", 0, 236, 113, 43, 25, kSongFont, kClick, SetResolutionPreset},

    // Page 1, XP优化.
    {C::分组框4, kFrame, "服务快速优化", 1, 8, 26, 131, 112},
    {C::单选框1, kRadio, "最精简模式", 1, 15, 45, 80, 12},
    {C::单选框2, kRadio, "网吧模式", 1, 15, 62, 80, 12},
    {C::单选框3, kRadio, "办公模式", 1, 15, 79, 80, 12},
    {C::单选框4, kRadio, "笔记本模式", 1, 15, 96, 80, 12},
    {C::单选框5, kRadio, "XP默认", 1, 15, 113, 68, 12},
    {C::按钮6, kButton, "执行", 1, 99, 114, 36, 20, kPlain, kClick, ApplyServiceProfile},
    {C::分组框5, kFrame, "可选服务", 1, 145, 26, 142, 112},
    {C::选择框4, kCheck, "UPNP设备支持", 1, 151, 50, 103, 12},
    {C::选择框2, kCheck, "硬件播放服务", 1, 151, 71, 102, 12},
    {C::选择框3, kCheck, "无线网卡支持", 1, 151, 92, 103, 12},
    {C::选择框1, kCheck, "开启打印服务", 1, 151, 113, 93, 12},
    {C::按钮7, kButton, "执行", 1, 247, 114, 36, 20, kPlain, kClick, StartOptionalServices},

    // Page 2, 转资料.
    {C::选择框5, kCheck, "我的文档", 2, 16, 34, 100, 12},
    {C::选择框6, kCheck, "收藏夹", 2, 16, 58, 100, 12},
    {C::选择框9, kCheck, "桌面", 2, 16, 82, 100, 12},
    {C::选择框7, kCheck, "Temp文件夹", 2, 136, 34, 100, 12},
    {C::选择框8, kCheck, "上网临时文件", 2, 136, 58, 100, 12},
    {C::选择框10, kCheck, "Outlook文件夹", 2, 136, 82, 100, 12},
    {C::标签8, kLabel, "转移到：", 2, 16, 112, 48, 16},
    {C::编辑框1, kEdit, "D:\\Personal", 2, 66, 111, 126, 19},
    {C::标签9, kLabel, ">>>", 2, 195, 113, 19, 17, kBlueText, kLeftButtonDown, PickTargetFolder},
    {C::按钮8, kButton, "转移", 2, 226, 110, 56, 24, kPlain, kClick, RelocateUserFolders},

    // Page 3, 清系统.
    {C::选择框11, kCheck, "清理系统垃圾", 3, 12, 32, 104, 15},
    {C::选择框12, kCheck, "清理日志文件", 3, 12, 60, 104, 15},
    {C::选择框13, kCheck, "清除多余右键菜单", 3, 12, 88, 150, 15},
    {C::选择框16, kCheck, "清理、免疫Autorun.inf", 3, 12, 116, 150, 15},
    {C::选择框14, kCheck, "删除默认共享", 3, 138, 32, 104, 15},
    {C::选择框15, kCheck, "清空 Cookies", 3, 138, 60, 104, 15},
    {C::选择框17, kCheck, "全选", 3, 138, 88, 103, 16, kBlueText, kClick, SelectAllCleaningItems},
    {C::按钮9, kButton, "清理", 3, 245, 110, 40, 24, kPlain, kClick, CleanSystem},

    // Page 4, 小工具: a grid of four rows and four columns.
    {C::按钮26, kButton, "生成ADSL", 4, 7, 26, 56, 24, kSongFont, kClick,
     CreateBroadbandConnection},
    {C::按钮23, kButton, "计划任务", 4, 82, 26, 56, 24, kPlain, kClick, LauncherFor(C::按钮23)},
    {C::按钮24, kButton, "事件查看", 4, 157, 26, 56, 24, kPlain, kClick, LauncherFor(C::按钮24)},
    {C::按钮25, kButton, "证书管理", 4, 232, 26, 56, 24, kPlain, kClick, LauncherFor(C::按钮25)},
    {C::按钮11, kButton, "注册表", 4, 7, 55, 56, 24, kPlain, kClick, LauncherFor(C::按钮11)},
    {C::按钮12, kButton, "组策略", 4, 82, 55, 56, 24, kPlain, kClick, LauncherFor(C::按钮12)},
    {C::按钮13, kButton, "DX诊断", 4, 157, 55, 56, 24, kPlain, kClick, LauncherFor(C::按钮13)},
    {C::按钮22, kButton, "XP更新", 4, 232, 55, 56, 24, kPlain, kClick, LauncherFor(C::按钮22)},
    {C::按钮15, kButton, "设备管理", 4, 7, 84, 56, 24, kPlain, kClick, LauncherFor(C::按钮15)},
    {C::按钮16, kButton, "远程桌面", 4, 82, 84, 56, 24, kPlain, kClick, LauncherFor(C::按钮16)},
    {C::按钮17, kButton, "服务配置", 4, 157, 84, 56, 24, kPlain, kClick, LauncherFor(C::按钮17)},
    {C::按钮14, kButton, "系统配置", 4, 232, 84, 56, 24, kPlain, kClick, LauncherFor(C::按钮14)},
    {C::按钮18, kButton, "磁盘检测", 4, 7, 114, 56, 24, kPlain, kClick, LauncherFor(C::按钮18)},
    {C::按钮19, kButton, "共享管理", 4, 82, 114, 56, 24, kPlain, kClick, LauncherFor(C::按钮19)},
    {C::按钮20, kButton, "程序卸载", 4, 157, 114, 56, 24, kPlain, kClick, LauncherFor(C::按钮20)},
    {C::按钮21, kButton, "控制面板", 4, 232, 114, 56, 24, kPlain, kClick, LauncherFor(C::按钮21)},

    // Page 5, 介绍.
    {C::分组框6, kFrame, "", 5, 7, 20, 274, 117},
    {C::标签3, kLabel, "", 5, 15, 32, 260, 15, kEngraved},
    {C::标签4, kLabel, "欢迎您反馈程序问题，以便于更好的修正程序。", 5, 15, 48, 260, 15, kEngraved},
    {C::标签5, kLabel, "程序编写及测试：" KELVARO_TEAM_NAME, 5, 15, 72, 260, 15, kEngraved},
    {C::标签6, kLabel, "本软件免费使用，操作前请备份重要数据。", 5, 15, 92, 253, 15, kEngraved},
    {C::标签7, kLabel, "网站：" KELVARO_WEB_HOST, 5, 15, 115, 121, 15,
     kEngraved | kBlueText | kHandPointer, kLeftButtonDown, OpenContactMail},
    {C::标签10, kLabel, "QQ:" KELVARO_CHAT_NUMBER_SHOWN, 5, 181, 116, 83, 15,
     kEngraved | kBlueText | kHandPointer, kLeftButtonDown, OpenContactChat},

    // Below the tab control.
    {C::按钮10, kButton, "注销电脑", kBelow, 12, 157, 58, 22, kPlain, kClick,
     PowerButtonFor(C::按钮10)},
    {C::按钮3, kButton, "关闭光驱", kBelow, 84, 157, 58, 22, kPlain, kClick, CloseDriveTray},
    {C::按钮4, kButton, "关机", kBelow, 9, 189, 58, 22, kPlain, kClick, PowerButtonFor(C::按钮4)},
    {C::按钮2, kButton, "弹出光驱", kBelow, 84, 189, 58, 22, kPlain, kClick, OpenDriveTray},
    {C::按钮5, kButton, "重启电脑", kBelow, 8, 221, 58, 22, kPlain, kClick,
     PowerButtonFor(C::按钮5)},
    {C::按钮29, kButton, "赞助作者", kBelow, 84, 224, 58, 22, kSongFont, kClick, OpenSponsorPage},
    {C::按钮27, kButton, "关于软件", kBelow, 192, 163, 80, 32, kPlain, kClick, ShowAboutWindow},
    {C::按钮28, kButton, "退出软件", kBelow, 192, 211, 80, 32, kPlain, kClick, ExitProgram},
};

}  // namespace kelvaro
