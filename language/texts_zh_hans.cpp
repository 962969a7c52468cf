// The texts in Simplified Chinese, with mainland wording where it differs.
#include "language/text_table.h"

namespace {
const TextEntry entries[] = {
    {TextId::FREE_ACTIVITY, "自由活动(&G)"},
    {TextId::STOP_ACTIVITY, "停止活动(&G)"},

    {TextId::BORN, "一只可爱的兔宝宝诞生了!\n你可以在状态栏里给你的兔子改个名字。"},
    {TextId::ADOPT_CAPTION, "领养新兔子"},
    {TextId::ADOPT_AGAIN, "你决定领养一只新兔子吗?"},
    {TextId::DEFAULT_NAME, "兔子"},

    {TextId::DIED, "你的{name}太久没吃或没喝东西，死了!"},
    {TextId::DIED_CAPTION, "死了"},
    {TextId::HUNGRY, "你的{name}已经很饿了，再不喂它，就会死的!"},
    {TextId::HUNGRY_CAPTION, "饿了"},
    {TextId::THIRSTY, "你的{name}已经很渴了，再不喝水，就会死的。"},
    {TextId::THIRSTY_CAPTION, "渴了"},
    {TextId::BIRTHDAY,
     "你的{name}长大了一岁，以下属性增加了：\n食物最大量+10   饮水最大量+10\n最大体力+10"},
    {TextId::BIRTHDAY_CAPTION, "属性增加"},

    {TextId::FOOD_FULL, "你的{name}很饱啊，不用喂了。"},
    {TextId::NO_CARROTS, "你没有萝卜，怎么喂{name}啊!"},
    {TextId::FEED_CAPTION, "喂兔子"},
    {TextId::WATER_FULL, "你的{name}不口渴，不用喝水。"},
    {TextId::NO_WATER, "你没有水，喝什么啊?"},
    {TextId::LABOUR_REFUSED, "要那么残忍啊，{name}已经快不行了。"},
    {TextId::LABOUR_CAPTION, "劳动"},
    {TextId::ATE_FILL, "你的{name}已经吃得够饱了!"},
    {TextId::ATE_FILL_CAPTION, "吃饱了"},
    {TextId::ATE_HAPPILY, "{name}吃得很开心!"},
    {TextId::ATE_CAPTION, "吃东西"},
    {TextId::DRANK_FILL, "你的{name}已经喝得很饱了!"},
    {TextId::DRANK_HAPPILY, "你的{name}喝水后很开心!"},
    {TextId::DRANK_CAPTION, "喝饱了"},
    {TextId::EXHAUSTED, "你的{name}累得无法劳动了，什么也得不到，要让它多休息啊!"},
    {TextId::EXHAUSTED_CAPTION, "兔子累了"},
    {TextId::TOO_TIRED, "你的{name}很累了!\n由于还要劳动，很不愉快!"},
    {TextId::TOO_TIRED_CAPTION, "兔子劳动"},
    {TextId::REWARD_TWO_CARROTS, "你的{name}经过努力劳动，得到了两根萝卜奖励!"},
    {TextId::REWARD_ONE_CARROT, "你的{name}经过努力劳动，得到了一根萝卜奖励!"},
    {TextId::REWARD_TWO_BOTTLES, "你的{name}由于特别努力劳动，得到了两瓶水奖励!"},
    {TextId::REWARD_ONE_BOTTLE, "你的{name}经过努力劳动，得到了一瓶水奖励!"},
    {TextId::REWARD_NONE, "你的{name}虽经过劳动，但不够勤快，得不到奖励!"},

    {TextId::GRADE_ANGEL, "兔子被培育成天使兔"},
    {TextId::GRADE_DEVIL, "兔子被培育成魔鬼兔"},
    {TextId::GRADE_CARED, "兔子得到主人的细心照料"},
    {TextId::GRADE_SAD, "照顾不周，兔子很悲伤"},
    {TextId::GRADE_GOOD, "兔子得到细心照料，很乖巧"},
    {TextId::GRADE_HUNGRY, "兔子吃不饱，不时去流浪"},
    {TextId::GRADE_BABY, "现在是兔宝宝，细心照料哦"},

    {TextId::AGE, "{years}岁{months}个月"},
    {TextId::NAME_REFUSED_TITLE, "名字放不下这个字"},
    {TextId::NAME_CHARACTER_REFUSED,
     "兔子的名字只能用 Big5 字符集里有的字（繁体字、英文字母、数字），很多简体字不在其中。"},
    {TextId::NAME_TOO_LONG, "名字最多 8 个汉字或 16 个英文字母。"},

    {TextId::WARNING_CAPTION, "警告"},
    {TextId::SAVE_READ_ERROR, "文件读取错误!!"},
    {TextId::SAVE_WRITE_ERROR, "文件写入错误!!"},
    {TextId::SETTINGS_WRITE_ERROR, "设置文件 varnok.ini 写入错误!!"},

    {TextId::TRAY_SHOW, "显示兔子(&H)"},
    {TextId::TRAY_LANGUAGE, "语言(&L)"},
    {TextId::TRAY_MAIN_MENU, "主菜单(&M)"},

    {TextId::HOTKEY_TAKEN, "（已被其他程序占用）"},
    {TextId::HOTKEY_TAKEN_BOX, "这组按键已被其他程序占用，快捷键保持不变。"},
    {TextId::HOTKEY_KEY_REFUSED,
     "快捷键要有 Ctrl、Alt 或 Win，再加 A 到 Z、0 到 9 或 F1 到 F24（F12 除外）中的一个键。"},
};
} // namespace

const TextTable simplifiedChineseTexts = {entries, sizeof entries / sizeof entries[0]};
