// The texts in Simplified Chinese, with mainland wording where it differs.
#include "language/text_table.h"

namespace {
const TextEntry entries[] = {
    {TextId::FREE_ACTIVITY, "自由活动(&G)"},
    {TextId::STOP_ACTIVITY, "停止活动(&G)"},

    {TextId::BORN, "一只可爱的兔宝宝诞生了！\n你可以在“状态”窗口里给它起个名字。"},
    {TextId::ADOPT_CAPTION, "领养新兔子"},
    {TextId::ADOPT_AGAIN, "确定要领养一只新兔子吗？"},
    {TextId::DEFAULT_NAME, "兔子"},

    {TextId::DIED, "你的{name}太久没有吃东西或喝水，已经死了。"},
    {TextId::DIED_CAPTION, "兔子死了"},
    {TextId::HUNGRY, "你的{name}已经很饿了，再不喂它就会饿死！"},
    {TextId::HUNGRY_CAPTION, "饿了"},
    {TextId::THIRSTY, "你的{name}已经很渴了，再不给它喝水就会渴死！"},
    {TextId::THIRSTY_CAPTION, "渴了"},
    {TextId::BIRTHDAY, "你的{name}又长大了一岁！\n食物上限、饮水上限和体力上限各提高了 10。"},
    {TextId::BIRTHDAY_CAPTION, "生日快乐"},

    {TextId::FOOD_FULL, "你的{name}已经吃饱了，不用再喂了。"},
    {TextId::NO_CARROTS, "你没有萝卜了，拿什么喂{name}呀？"},
    {TextId::FEED_CAPTION, "喂兔子"},
    {TextId::WATER_FULL, "你的{name}不渴，不用喝水。"},
    {TextId::NO_WATER, "你没有水了，兔子喝什么呀？"},
    {TextId::LABOUR_REFUSED, "别这么狠心！{name}已经一点力气都没有了。"},
    {TextId::LABOUR_CAPTION, "劳动"},
    {TextId::ATE_FILL, "你的{name}吃饱了！"},
    {TextId::ATE_FILL_CAPTION, "吃饱了"},
    {TextId::ATE_HAPPILY, "{name}吃得很开心！"},
    {TextId::ATE_CAPTION, "吃东西"},
    {TextId::DRANK_FILL, "你的{name}喝足了！"},
    {TextId::DRANK_HAPPILY, "你的{name}喝了水，很开心！"},
    {TextId::DRANK_CAPTION, "喝水"},
    {TextId::EXHAUSTED, "你的{name}累得干不动了，什么也没得到。让它多休息休息吧！"},
    {TextId::EXHAUSTED_CAPTION, "兔子累了"},
    {TextId::TOO_TIRED, "你的{name}已经很累了！\n还要它接着劳动，它很不高兴。"},
    {TextId::TOO_TIRED_CAPTION, "劳累过度"},
    {TextId::REWARD_TWO_CARROTS, "你的{name}努力劳动，得到两根萝卜作为奖励！"},
    {TextId::REWARD_ONE_CARROT, "你的{name}努力劳动，得到一根萝卜作为奖励！"},
    {TextId::REWARD_TWO_BOTTLES, "你的{name}干得特别卖力，得到两瓶水作为奖励！"},
    {TextId::REWARD_ONE_BOTTLE, "你的{name}努力劳动，得到一瓶水作为奖励！"},
    {TextId::REWARD_NONE, "你的{name}劳动了，但不够卖力，没有得到奖励。"},

    {TextId::GRADE_ANGEL, "兔子被培育成天使兔"},
    {TextId::GRADE_DEVIL, "兔子被培育成魔鬼兔"},
    {TextId::GRADE_CARED, "兔子得到主人的细心照料"},
    {TextId::GRADE_SAD, "照顾不周，兔子很伤心"},
    {TextId::GRADE_GOOD, "照顾得好，兔子很乖巧"},
    {TextId::GRADE_HUNGRY, "兔子吃不饱，常常离家出走"},
    {TextId::GRADE_BABY, "还是兔宝宝，要好好照顾哦"},

    {TextId::AGE, "{years}岁{months}个月"},
    {TextId::NAME_REFUSED_TITLE, "无法输入这个字"},
    {TextId::NAME_CHARACTER_REFUSED,
     "兔子的名字只能使用 Big5 字符集中的字符（繁体字、英文字母和数字），很多简体字不在其中。"},
    {TextId::NAME_TOO_LONG, "名字最多 8 个汉字或 16 个英文字母。"},

    {TextId::WARNING_CAPTION, "警告"},
    {TextId::SAVE_READ_ERROR, "无法读取存档文件 rabbit.dat！"},
    {TextId::SAVE_WRITE_ERROR, "无法写入存档文件 rabbit.dat！"},
    {TextId::SETTINGS_WRITE_ERROR, "无法写入设置文件 varnok.ini！"},
    {TextId::AUTO_START_STAYS, "兔子已设置为这台电脑所有用户开机时自动运行。"
                               "要取消，请以管理员身份运行兔子一次，再取消勾选。"},

    {TextId::TRAY_SHOW, "显示兔子(&H)"},
    {TextId::TRAY_LANGUAGE, "语言(&L)"},
    {TextId::TRAY_MAIN_MENU, "主菜单(&M)"},

    {TextId::HOTKEY_TAKEN, "（已被其他程序占用）"},
    {TextId::HOTKEY_TAKEN_BOX, "这组按键已被其他程序占用，快捷键保持不变。"},
    {TextId::HOTKEY_KEY_REFUSED,
     "快捷键必须包含 Ctrl、Alt 或 Win，再加上 A 到 Z、0 到 9 或 F1 到 F24（F12 除外）中的一个键。"},

    {TextId::SKIN_MENU, "外观(&A)"},
    {TextId::SKIN_BUILT_IN, "默认(&D)"},
    {TextId::SKIN_EXPORT, "导出模板(&E)…"},
    {TextId::SKIN_CAPTION, "外观"},
    {TextId::SKIN_UNUSABLE, "图片组“{set}”无法使用：{problem}\n兔子的外观保持不变。"},
    {TextId::SKIN_NAME_NOT_PLAIN, "这不是 skins 文件夹里的文件夹名称。"},
    {TextId::SKIN_NO_FOLDER, "skins 文件夹里没有这个文件夹。"},
    {TextId::SKIN_NO_PICTURES, "文件夹里没有 133.png 到 166.png（或 .bmp）中的任何一张图片。"},
    {TextId::SKIN_TWO_FILES, "{file} 和 {other} 是同一张图片的两个文件，请只保留一个。"},
    {TextId::SKIN_TOO_LARGE, "{file} 大于 1 MB。"},
    {TextId::SKIN_NOT_A_PICTURE, "{file} 不是可以读取的 PNG 或 BMP 图片。"},
    {TextId::SKIN_WRONG_SIZE, "{file} 是 {width} x {height} 像素，必须和模板中的图片一样是 "
                              "{wantedWidth} x {wantedHeight} 像素。"},
    {TextId::SKIN_EXPORTED, "模板已导出到：\n{folder}\n把这个文件夹复制一份并改名，在图片上画好后，"
                            "再从“外观”菜单中选择它。"},
    {TextId::SKIN_EXPORT_FAILED, "无法写入 {file}，模板没有全部导出。"},

    {TextId::TEMPLATE_README,
     "【简体中文】\n"
     "\n"
     "这是 Varnok 兔子图片组的模板：兔子的 34 张图片，每张一个文件，\n"
     "文件名就是图片的编号。\n"
     "\n"
     "制作你自己的兔子：\n"
     "1. 在 skins 文件夹里把 template 文件夹复制一份，改成你喜欢的名字，\n"
     "   例如 winter。\n"
     "2. 用任意绘图软件修改图片，保存为 PNG（或同编号的 BMP）。不想改的图片\n"
     "   可以删除，兔子会使用原来那张。\n"
     "3. 右键单击通知区域里的兔子图标，选择“外观”，再选择你的文件夹。\n"
     "   画了新的图片后再选一次，兔子就会换上新图片。\n"
     "\n"
     "尺寸：每张图片必须和模板中同编号的图片一样大（宽 x 高，单位为像素，\n"
     "列在下面），文件不能超过 1 MB。\n"
     "背景：图片左上角像素的颜色就是背景色，图中所有这种颜色的像素都是\n"
     "透明的（模板用纯绿色）。带透明度的 PNG 中，不透明度不到一半\n"
     "（alpha 小于 128）的像素也是透明的。兔子的窗口就按这样裁出轮廓。\n"
     "133 和 146 请画成相同的轮廓：眨眼之后，兔子会用 133 的轮廓显示 146。\n"
     "只要有一张图片不符合规定，整组就无法使用，兔子会说明是哪个文件\n"
     "出了什么问题。\n"
     "\n"
     "每个编号画的是（按播放顺序）："},
    {TextId::SHOWS_STANDING, "站立，正面"},
    {TextId::SHOWS_BLINK, "眨眼：眼睛睁大"},
    {TextId::SHOWS_WALK_LEFT, "向左走"},
    {TextId::SHOWS_WALK_RIGHT, "向右走"},
    {TextId::SHOWS_EATING, "吃东西：拿着萝卜吃"},
    {TextId::SHOWS_DRINKING, "喝水：用瓶子喝"},
    {TextId::SHOWS_LABOUR, "劳动：拿皮搋子通马桶"},
    {TextId::SHOWS_FIRST_PLAY, "玩耍一：一步步弯下身，最后两张身后有一小摊黄水"},
    {TextId::SHOWS_SLEEPING, "睡觉：睡脸特写，画着 z 字"},
    {TextId::SHOWS_SECOND_PLAY, "玩耍二：分五步向前鞠躬"},
    {TextId::SHOWS_STRETCH, "伸懒腰：张嘴、张大嘴、揉眼睛，最后回到站立的 146"},
    {TextId::SHOWS_DOWN_LEFT, "向左下走"},
    {TextId::SHOWS_DOWN_RIGHT, "向右下走"},
};
} // namespace

const TextTable simplifiedChineseTexts = {entries, sizeof entries / sizeof entries[0]};
