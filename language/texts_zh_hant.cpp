// The texts in Traditional Chinese: the program's own words since its first version.
#include "language/text_table.h"

namespace {
const TextEntry entries[] = {
    {TextId::FREE_ACTIVITY, "自由活動"},
    {TextId::STOP_ACTIVITY, "停止活動"},

    {TextId::BORN, "一隻可愛的兔寶寶誕生了!\n你可以在狀態欄裡給你兔子改個名字。"},
    {TextId::ADOPT_CAPTION, "領養新兔子"},
    {TextId::ADOPT_AGAIN, "你決定領養一隻新兔子嗎?"},
    {TextId::DEFAULT_NAME, "兔子"},

    {TextId::DIED, "你的{name}太久沒吃或沒喝東西，死了!"},
    {TextId::DIED_CAPTION, "死了"},
    {TextId::HUNGRY, "你的{name}已經很餓了，再不餵他，就會死的!"},
    {TextId::HUNGRY_CAPTION, "餓了"},
    {TextId::THIRSTY, "你的{name}已經很渴了，再不喝水，就會死的。"},
    {TextId::THIRSTY_CAPTION, "渴了"},
    {TextId::BIRTHDAY,
     "你的{name}長大了一歲，以下屬性增加了：\n食物最大量+10   飲水最大量+10\n最大體力+10"},
    {TextId::BIRTHDAY_CAPTION, "屬性增加"},

    {TextId::FOOD_FULL, "你的{name}很飽啊，不用餵了。"},
    {TextId::NO_CARROTS, "你沒有蘿蔔，怎麼餵{name}啊!"},
    {TextId::FEED_CAPTION, "餵兔子"},
    {TextId::WATER_FULL, "你的{name}不口渴，不用喝水。"},
    {TextId::NO_WATER, "你沒有水，喝什麼啊?"},
    {TextId::LABOUR_REFUSED, "要那麼殘忍啊，{name}已經快不行了。"},
    {TextId::LABOUR_CAPTION, "勞動"},
    {TextId::ATE_FILL, "你的{name}已經吃得夠飽了!"},
    {TextId::ATE_FILL_CAPTION, "吃飽了"},
    {TextId::ATE_HAPPILY, "{name}吃得很開心!"},
    {TextId::ATE_CAPTION, "吃東西"},
    {TextId::DRANK_FILL, "你的{name}已經喝得很飽了!"},
    {TextId::DRANK_HAPPILY, "你的{name}喝水後很開心!"},
    {TextId::DRANK_CAPTION, "喝飽了"},
    {TextId::EXHAUSTED, "你的{name}累得無法勞動了,什麼也得不到,要讓他多休息啊!"},
    {TextId::EXHAUSTED_CAPTION, "兔子累了"},
    {TextId::TOO_TIRED, "你的{name}很累了!\n由於還要勞動,很不愉快!"},
    {TextId::TOO_TIRED_CAPTION, "兔子勞動"},
    {TextId::REWARD_TWO_CARROTS, "你的{name}經過努力勞動﹐得到了兩根蘿蔔獎勵!"},
    {TextId::REWARD_ONE_CARROT, "你的{name}經過努力勞動﹐得到了一根蘿蔔獎勵!"},
    {TextId::REWARD_TWO_BOTTLES, "你的{name}由於特別努力勞動﹐得到了兩瓶水獎勵!"},
    {TextId::REWARD_ONE_BOTTLE, "你的{name}經過努力勞動﹐得到了一瓶水獎勵!"},
    {TextId::REWARD_NONE, "你的{name}雖經過勞動，但不夠勤快，得不到獎勵!"},

    {TextId::GRADE_ANGEL, "兔子被培育成天使兔"},
    {TextId::GRADE_DEVIL, "兔子被培育成魔鬼兔"},
    {TextId::GRADE_CARED, "兔子得到主人的細心照料"},
    {TextId::GRADE_SAD, "照顧不周﹐兔子很悲傷"},
    {TextId::GRADE_GOOD, "兔子得到細心照料﹐很乖巧"},
    {TextId::GRADE_HUNGRY, "兔子吃不飽，不時去流浪"},
    {TextId::GRADE_BABY, "現在是兔寶寶，細心照料哦"},

    {TextId::AGE, "{years}歲{months}月"},
    {TextId::NAME_REFUSED_TITLE, "名字放不下這個字"},
    {TextId::NAME_CHARACTER_REFUSED,
     "兔子的名字只能用 Big5 裡有的字（繁體中文、英文字母、數字）。"},
    {TextId::NAME_TOO_LONG, "名字最多 8 個中文字或 16 個英文字母。"},

    {TextId::WARNING_CAPTION, "警告"},
    {TextId::SAVE_READ_ERROR, "文件讀錯誤!!"},
    {TextId::SAVE_WRITE_ERROR, "文件寫入錯誤!!"},
    {TextId::SETTINGS_WRITE_ERROR, "設定檔 varnok.ini 寫入錯誤!!"},

    {TextId::TRAY_SHOW, "顯示兔子(&H)"},
    {TextId::TRAY_LANGUAGE, "語言(&L)"},
    {TextId::TRAY_MAIN_MENU, "主選單(&M)"},

    {TextId::HOTKEY_TAKEN, "（已被其他程式使用）"},
    {TextId::HOTKEY_TAKEN_BOX, "這組按鍵已被其他程式使用，快速鍵維持不變。"},
    {TextId::HOTKEY_KEY_REFUSED,
     "快速鍵要有 Ctrl、Alt 或 Win，再加 A 到 Z、0 到 9 或 F1 到 F24（F12 除外）其中一個鍵。"},
};
} // namespace

const TextTable traditionalChineseTexts = {entries, sizeof entries / sizeof entries[0]};
