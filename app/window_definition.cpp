#include "app/window_definition.h"

namespace {

using K = ControlKind;
using F = ControlFont;

std::vector<ControlDef> BuildDefinition() {
    // clang-format off
    std::vector<ControlDef> controls = {
        // The banner.
        {"Frame2", K::Frame, {120, 0, 8535, 975}, {}, F::Default, TextColor::Default, 0},
        {"Label33", K::Label, {360, 360, 3045, 450}, "CAN 接收滤波计算器", F::Title, TextColor::Navy,
         -1, true},
        {"Line4", K::Line, {4080, 240, 0, 600}, {}, F::Default, TextColor::Default, -1, true},
        // Our wordmark; the double-click its tooltip mentions is not handled.
        {.name = "Image1", .kind = K::Picture, .box = {4560, 130, 3510, 540},
         .text = ":/images/logo.png", .inBanner = true, .toolTip = "双击进入",
         .accessibleName = "筛码工坊"},
        {"Label57", K::Label, {5040, 690, 2535, 180}, "一位不差，帧帧到位", F::Default,
         TextColor::Default, -1, true},
        // Strategy 1: receive everything.
        {"Option3", K::OptionButton, {360, 1200, 4095, 255}, "1、不做接收滤波，接收所有CAN报文",
         F::Bold, TextColor::Default, 1},
        {"Line1", K::Line, {120, 1560, 8520, 0}, {}},
        // The layout row.
        {"Label34", K::Label, {360, 1800, 1455, 255}, "滤波模式选择："},
        {.name = "Combo1", .kind = K::DropDownList, .box = {1800, 1800, 4695, 300}, .tabIndex = 2,
         .accessibleName = "滤波模式选择", .accessibleDescription = "验收滤波器的帧格式与滤波方式"},
        {"Line2", K::Line, {360, 2280, 8040, 0}, {}},
        // Strategy 2: one or two identifiers.
        {"Label43", K::Label, {4440, 2400, 495, 255}, "ID1"},
        {"Label48", K::Label, {5520, 2400, 495, 255}, "ID2"},
        {"Option2", K::OptionButton, {360, 2640, 3255, 255}, "2、滤波，只接收1～2个ID的报文",
         F::Bold, TextColor::Default, 3},
        {"Label55", K::Label, {3720, 2640, 615, 255}, "十进制"},
        {.name = "Text2(0)", .kind = K::TextBox, .box = {4440, 2640, 975, 270}, .text = "0",
         .tabIndex = 4, .accessibleName = "ID1 十进制"},
        {.name = "Text2(1)", .kind = K::TextBox, .box = {5520, 2640, 975, 270}, .text = "0",
         .tabIndex = 6, .accessibleName = "ID2 十进制"},
        {"Label45", K::Label, {840, 2895, 2535, 255}, "(直接填入需要接收的 ID 值)："},
        {"Label49", K::Label, {3600, 3000, 735, 255}, "十六进制"},
        {.name = "Text4(0)", .kind = K::TextBox, .box = {4440, 3000, 975, 270}, .text = "0",
         .tabIndex = 5, .maxLength = 8, .accessibleName = "ID1 十六进制"},
        {.name = "Text4(1)", .kind = K::TextBox, .box = {5520, 3000, 975, 270}, .text = "0",
         .tabIndex = 7, .maxLength = 8, .accessibleName = "ID2 十六进制"},
        {"Line3", K::Line, {360, 3480, 8040, 0}, {}},
        // Strategy 3: the bit pattern; the cells follow below.
        {"Option1", K::OptionButton, {360, 3600, 3375, 255}, "3、滤波，自定义滤波器的所有参数",
         F::Bold, TextColor::Default, 8},
        {"Label56", K::Label, {3720, 3630, 3615, 255}, "(按位设置，X 表示该位可为0，也可以为1)："},
        // Calculate.
        {"Line7", K::Line, {120, 5400, 8520, 0}, {}},
        {.name = "Command33", .kind = K::PushButton, .box = {360, 5520, 6135, 495}, .text = "计算",
         .font = F::Bold, .tabIndex = 41,
         .accessibleDescription = "按所选策略计算 ACR、AMR 与 MOD.3"},
        // The results.
        {"Label46", K::Label, {360, 6240, 1335, 735}, "MOD.3(模式寄存器第三位：验收滤波器模式位)"},
        {.name = "Text3", .kind = K::ReadOnlyTextBox, .box = {360, 6960, 1095, 270}, .text = "1",
         .tabIndex = 42, .accessibleName = "MOD.3",
         .accessibleDescription = "模式寄存器第三位：验收滤波器模式位，1 为单滤波，0 为双滤波"},
        {"Label47", K::Label, {360, 7320, 1095, 255}, "含义：单滤波"},
        {"Label35", K::Label, {2280, 6240, 375, 255}, "ACR0"},
        {"Label37", K::Label, {2760, 6240, 375, 255}, "ACR1"},
        {"Label39", K::Label, {3240, 6240, 375, 255}, "ACR2"},
        {"Label40", K::Label, {3720, 6240, 375, 255}, "ACR3"},
        {"Label44", K::Label, {4200, 6240, 255, 255}, "-"},
        {"Label53", K::Label, {4440, 6240, 2175, 255}, "ACR(验收过滤码寄存器组)"},
        {.name = "Text1(0)", .kind = K::ReadOnlyTextBox, .box = {2280, 6480, 375, 270}, .text = "00",
         .tabIndex = 43, .accessibleName = "ACR0", .accessibleDescription = "验收过滤码寄存器 0"},
        {.name = "Text1(1)", .kind = K::ReadOnlyTextBox, .box = {2760, 6480, 375, 270}, .text = "00",
         .tabIndex = 44, .accessibleName = "ACR1", .accessibleDescription = "验收过滤码寄存器 1"},
        {.name = "Text1(2)", .kind = K::ReadOnlyTextBox, .box = {3240, 6480, 375, 270}, .text = "00",
         .tabIndex = 45, .accessibleName = "ACR2", .accessibleDescription = "验收过滤码寄存器 2"},
        {.name = "Text1(3)", .kind = K::ReadOnlyTextBox, .box = {3720, 6480, 375, 270}, .text = "00",
         .tabIndex = 46, .accessibleName = "ACR3", .accessibleDescription = "验收过滤码寄存器 3"},
        {"Label50", K::Label, {4200, 6480, 255, 255}, "-"},
        {.name = "Text5", .kind = K::ReadOnlyTextBox, .box = {4440, 6480, 2055, 270}, .text = "00000000",
         .tabIndex = 47, .accessibleName = "ACR",
         .accessibleDescription = "验收过滤码寄存器组，ACR0 至 ACR3 连写的 32 位字"},
        {"Label36", K::Label, {2280, 6960, 855, 255}, "AMR0"},
        {"Label38", K::Label, {2760, 6960, 855, 255}, "AMR1"},
        {"Label41", K::Label, {3240, 6960, 855, 255}, "AMR2"},
        {"Label42", K::Label, {3720, 6960, 375, 255}, "AMR3"},
        {"Label51", K::Label, {4200, 6960, 255, 255}, "-"},
        {"Label54", K::Label, {4440, 6960, 2175, 255}, "AMR(验收屏蔽码寄存器组)"},
        {.name = "Text1(4)", .kind = K::ReadOnlyTextBox, .box = {2280, 7200, 375, 270}, .text = "FF",
         .tabIndex = 48, .accessibleName = "AMR0",
         .accessibleDescription = "验收屏蔽码寄存器 0，位为 1 表示不关心"},
        {.name = "Text1(5)", .kind = K::ReadOnlyTextBox, .box = {2760, 7200, 375, 270}, .text = "FF",
         .tabIndex = 49, .accessibleName = "AMR1",
         .accessibleDescription = "验收屏蔽码寄存器 1，位为 1 表示不关心"},
        {.name = "Text1(6)", .kind = K::ReadOnlyTextBox, .box = {3240, 7200, 375, 270}, .text = "FF",
         .tabIndex = 50, .accessibleName = "AMR2",
         .accessibleDescription = "验收屏蔽码寄存器 2，位为 1 表示不关心"},
        {.name = "Text1(7)", .kind = K::ReadOnlyTextBox, .box = {3720, 7200, 375, 270}, .text = "FF",
         .tabIndex = 51, .accessibleName = "AMR3",
         .accessibleDescription = "验收屏蔽码寄存器 3，位为 1 表示不关心"},
        {"Label52", K::Label, {4200, 7200, 255, 255}, "-"},
        {.name = "Text6", .kind = K::ReadOnlyTextBox, .box = {4440, 7200, 2055, 270}, .text = "FFFFFFFF",
         .tabIndex = 52, .accessibleName = "AMR",
         .accessibleDescription = "验收屏蔽码寄存器组，AMR0 至 AMR3 连写的 32 位字"},
        {"Label58", K::Label, {6840, 5760, 1575, 1575},
         "适用范围：     1、SJA1000及与其兼容的CAN控制器2、Tarvon Ventrel 软件及系列 CAN 卡       "
         "            用法：无需移位直接复制填充即可)",
         F::Default, TextColor::Workspace},
    };
    // clang-format on
    // The bit labels and, over their lower edge, the bit cells; tab order runs from cell 32
    // (leftmost) to cell 1. The cells are defined with caption "0".
    for (int cell = 1; cell <= 32; ++cell)
        controls.push_back({QStringLiteral("Label%1").arg(cell),
                            K::BitLabel,
                            {CellLeft(cell), 4080, 255, 495},
                            {}});
    for (int cell = 1; cell <= 32; ++cell)
        controls.push_back({QStringLiteral("Command%1").arg(cell),
                            K::PushButton,
                            {CellLeft(cell), 4440, 255, 735},
                            QStringLiteral("0"),
                            F::Default,
                            TextColor::Default,
                            41 - cell});
    return controls;
}

}  // namespace

const std::vector<ControlDef> &WindowDefinition() {
    static const std::vector<ControlDef> definition = BuildDefinition();
    return definition;
}
