; The installer's own texts; the pages' standard texts come from the Modern UI language files.
; NSIS picks the language of the system's user interface, English when it has neither. A line
; ending in a backslash goes on with the next line, spaces included.

LangString ProductName ${LANG_ENGLISH} "${PRODUCT_NAME_EN}"
LangString ProductName ${LANG_JAPANESE} "${PRODUCT_NAME}"

LangString ChooseScreensaver ${LANG_ENGLISH} \
  "Make ${PRODUCT_NAME_EN} the screensaver and open the Screen Saver Settings"
LangString ChooseScreensaver ${LANG_JAPANESE} \
  "${PRODUCT_NAME} をスクリーンセーバーにして、スクリーンセーバーの設定を開く"

LangString StartKeeper ${LANG_ENGLISH} \
  "Remember the screen while idle (start the keeper at sign-in)"
LangString StartKeeper ${LANG_JAPANESE} \
  "待機中の画面を覚えておく (サインイン時に常駐プログラムを起動する)"

LangString FolderNotWritable ${LANG_ENGLISH} \
  "${PRODUCT_NAME_EN} cannot be installed into$\r$\n$INSTDIR$\r$\nbecause that folder cannot be \
created or written to. Nothing has been changed.$\r$\nChoose a folder of your own, such as the \
one the installer suggests."
LangString FolderNotWritable ${LANG_JAPANESE} \
  "フォルダー$\r$\n$INSTDIR$\r$\nを作成できないか、書き込みができないため、${PRODUCT_NAME} を\
インストールできません。何も変更していません。$\r$\nインストーラーが提案するフォルダーのような、\
ご自分のフォルダーを選んでください。"

LangString FolderOthersMayWrite ${LANG_ENGLISH} \
  "${PRODUCT_NAME_EN} cannot be installed into$\r$\n$INSTDIR$\r$\nbecause other accounts of this \
computer ($R2) may change$\r$\n$R1$\r$\nand so replace the programs that would run as you from \
there. Nothing has been changed.$\r$\nChoose a folder of your own, such as the one the installer \
suggests."
LangString FolderOthersMayWrite ${LANG_JAPANESE} \
  "フォルダー$\r$\n$INSTDIR$\r$\nには ${PRODUCT_NAME} をインストールできません。このコンピューターの\
ほかのアカウント ($R2) が$\r$\n$R1$\r$\nの中身を変えられるため、そこから動くプログラムをすり替え\
られるおそれがあります。何も変更していません。$\r$\nインストーラーが提案するフォルダーのような、\
ご自分のフォルダーを選んでください。"

LangString FolderOwnerUnknown ${LANG_ENGLISH} \
  "${PRODUCT_NAME_EN} cannot be installed into$\r$\n$INSTDIR$\r$\nbecause who may change$\r$\n$R1$\r$\n\
cannot be read: it may belong to another account. Nothing has been changed.$\r$\nChoose a \
folder of your own, such as the one the installer suggests."
LangString FolderOwnerUnknown ${LANG_JAPANESE} \
  "フォルダー$\r$\n$INSTDIR$\r$\nには ${PRODUCT_NAME} をインストールできません。$\r$\n$R1$\r$\n\
に誰が書き込めるかを読めません。ほかのアカウントのフォルダーかもしれません。何も変更していません。\
$\r$\nインストーラーが提案するフォルダーのような、ご自分のフォルダーを選んでください。"
