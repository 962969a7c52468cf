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
    {TextId::AUTO_START_STAYS, "兔子已設定為這部電腦所有使用者開機時自動執行。"
                               "若要取消，請以系統管理員身分執行兔子一次，再取消勾選。"},

    {TextId::TRAY_SHOW, "顯示兔子(&H)"},
    {TextId::TRAY_LANGUAGE, "語言(&L)"},
    {TextId::TRAY_MAIN_MENU, "主選單(&M)"},

    {TextId::HOTKEY_TAKEN, "（已被其他程式使用）"},
    {TextId::HOTKEY_TAKEN_BOX, "這組按鍵已被其他程式使用，快速鍵維持不變。"},
    {TextId::HOTKEY_KEY_REFUSED,
     "快速鍵要有 Ctrl、Alt 或 Win，再加 A 到 Z、0 到 9 或 F1 到 F24（F12 除外）其中一個鍵。"},

    {TextId::SKIN_MENU, "外觀(&A)"},
    {TextId::SKIN_BUILT_IN, "兔子(&R)"},
    {TextId::SKIN_EXPORT, "匯出範本(&E)…"},
    {TextId::SKIN_CAPTION, "外觀"},
    {TextId::SKIN_UNUSABLE, "圖片組「{set}」不能用：{problem}\n兔子維持原來的樣子。"},
    {TextId::SKIN_NAME_NOT_PLAIN, "這不是 skins 資料夾裡的資料夾名稱。"},
    {TextId::SKIN_NO_FOLDER, "skins 資料夾裡沒有這個資料夾。"},
    {TextId::SKIN_NO_PICTURES, "資料夾裡沒有 133.png 到 166.png（或 .bmp）中的任何一張圖片。"},
    {TextId::SKIN_TWO_FILES, "{file} 和 {other} 是同一張圖片，請只留下一個。"},
    {TextId::SKIN_TOO_LARGE, "{file} 超過 1 MB。"},
    {TextId::SKIN_NOT_A_PICTURE, "{file} 不是能讀取的 PNG 或 BMP 圖片。"},
    {TextId::SKIN_WRONG_SIZE, "{file} 是 {width} x {height} 像素，必須和範本的圖片一樣是 "
                              "{wantedWidth} x {wantedHeight} 像素。"},
    {TextId::SKIN_EXPORTED, "範本已匯出到：\n{folder}\n把這個資料夾複製一份並改名，在圖片上畫好後，"
                            "再從「外觀」選擇它。"},
    {TextId::SKIN_EXPORT_FAILED, "無法寫入 {file}，範本沒有全部匯出。"},

    {TextId::TEMPLATE_README,
     "【繁體中文】\n"
     "\n"
     "這是 Varnok 兔子圖片組的範本：兔子的 34 張圖片，每張一個檔案，\n"
     "檔名是圖片的號碼。\n"
     "\n"
     "做一組自己的兔子：\n"
     "1. 把 template 資料夾複製一份，留在 skins 資料夾裡，改成你喜歡的名字，\n"
     "   例如 winter。\n"
     "2. 用繪圖程式在圖片上畫，存成 PNG（或同號碼的 BMP）。不想改的圖片\n"
     "   可以刪掉，兔子會用原本那張。\n"
     "3. 在通知區域的兔子圖示上按右鍵，選「外觀」，再選你的資料夾。\n"
     "   畫了新的圖之後再選一次，兔子就換上新圖。\n"
     "\n"
     "大小：每張圖片要和範本裡同號碼的圖片一樣大（寬 x 高，單位是像素，\n"
     "列在下面），檔案不可超過 1 MB。\n"
     "背景：圖片左上角像素的顏色就是背景色，圖裡所有這個顏色的像素都是\n"
     "透明的（範本用純綠色）。有透明度的 PNG 裡，不透明度不到一半\n"
     "（alpha 小於 128）的像素也是透明的。兔子的視窗就照這樣剪出輪廓。\n"
     "133 和 146 請畫成同樣的輪廓：眨眼之後，兔子用 133 的輪廓顯示 146。\n"
     "只要有一張圖片不合規定，整組就不能用，兔子會說明是哪個檔案出了\n"
     "什麼問題。\n"
     "\n"
     "每個號碼畫的是（依播放的順序）："},
    {TextId::SHOWS_STANDING, "站著，正面"},
    {TextId::SHOWS_BLINK, "眨眼：眼睛睜大"},
    {TextId::SHOWS_WALK_LEFT, "向左走"},
    {TextId::SHOWS_WALK_RIGHT, "向右走"},
    {TextId::SHOWS_EATING, "吃東西：拿著蘿蔔吃"},
    {TextId::SHOWS_DRINKING, "喝水：用瓶子喝"},
    {TextId::SHOWS_LABOUR, "勞動：拿馬桶吸把通馬桶"},
    {TextId::SHOWS_FIRST_PLAY, "玩耍一：一步步彎下身，最後兩張身後有一小灘黃水"},
    {TextId::SHOWS_SLEEPING, "睡覺：睡臉特寫，畫著 z 字"},
    {TextId::SHOWS_SECOND_PLAY, "玩耍二：分五步向前鞠躬"},
    {TextId::SHOWS_STRETCH, "伸懶腰：張嘴、張大嘴、揉眼睛，最後回到站著的 146"},
    {TextId::SHOWS_DOWN_LEFT, "向左下走"},
    {TextId::SHOWS_DOWN_RIGHT, "向右下走"},
};
} // namespace

const TextTable traditionalChineseTexts = {entries, sizeof entries / sizeof entries[0]};
