/* Resource numbers of アルトストラト.scr, shared by the resource script and the code. Plain
   defines: the resource compiler reads this file too. */
#pragma once

#define ALTOSTRAT_ICON 100
/* The Command button's skins, in the order of ButtonSkin: Normal, HighLight, HighLightSelect,
   Pressed, Disable, Selected. */
#define ALTOSTRAT_BITMAP_SKIN_FIRST 200
#define ALTOSTRAT_BITMAP_DIALOG_STRIP 210
#define ALTOSTRAT_BITMAP_CHOICE_UNCHOSEN 211
#define ALTOSTRAT_BITMAP_CHOICE_CHOSEN 212
#define ALTOSTRAT_BITMAP_CHECK_UNCHECKED 213
#define ALTOSTRAT_BITMAP_CHECK_CHECKED 214
/* The saver's built-in pictures. */
#define ALTOSTRAT_IDB_SKY 220
#define ALTOSTRAT_IDB_GLOW 221
#define ALTOSTRAT_IDB_PREVIEW_STILL 222
/* The generated ground of fields and woods, the flight's land when no desktop picture is had. */
#define ALTOSTRAT_IDB_GROUND 223
