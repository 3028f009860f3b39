<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>FontPictureWindow</name>
    <message>
        <source>Sketchlume Ver 2.00</source>
        <translation>Sketchlume 2.00 版</translation>
    </message>
    <message>
        <source>  Sketchlume  </source>
        <translation>  Sketchlume  </translation>
    </message>
    <message>
        <source>Message1</source>
        <translation>訊息1</translation>
    </message>
    <message>
        <source>Message2</source>
        <translation>訊息2</translation>
    </message>
    <message>
        <source>Message3</source>
        <translation>訊息3</translation>
    </message>
    <message>
        <source>Message4</source>
        <translation>訊息4</translation>
    </message>
    <message>
        <source>Message5</source>
        <translation>訊息5</translation>
    </message>
    <message>
        <source>Message6</source>
        <translation>訊息6</translation>
    </message>
    <message>
        <source>Message7</source>
        <translation>訊息7</translation>
    </message>
    <message>
        <source>Message8</source>
        <translation>訊息8</translation>
    </message>
    <message>
        <source>Message1 Show Image:</source>
        <translation>訊息1 顯示影像：</translation>
    </message>
    <message>
        <source>Font Name:</source>
        <translation>字型名稱：</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>字型大小：</translation>
    </message>
    <message>
        <source>Font Bold</source>
        <translation>粗體</translation>
    </message>
    <message>
        <source>Move Direction:</source>
        <translation>移動方向：</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>閃爍</translation>
    </message>
    <message>
        <source>Move Speed:</source>
        <translation>移動速度：</translation>
    </message>
    <message>
        <source>Message2 Show Image:</source>
        <translation>訊息2 顯示影像：</translation>
    </message>
    <message>
        <source>Message3 Show Image:</source>
        <translation>訊息3 顯示影像：</translation>
    </message>
    <message>
        <source>Message4 Show Image:</source>
        <translation>訊息4 顯示影像：</translation>
    </message>
    <message>
        <source>Message5 Show Image:</source>
        <translation>訊息5 顯示影像：</translation>
    </message>
    <message>
        <source>Message6 Show Image:</source>
        <translation>訊息6 顯示影像：</translation>
    </message>
    <message>
        <source>Message7 Show Image:</source>
        <translation>訊息7 顯示影像：</translation>
    </message>
    <message>
        <source>Message8 Show Image:</source>
        <translation>訊息8 顯示影像：</translation>
    </message>
    <message>
        <source>Top Location Adjust:</source>
        <translation>上下位置調整：</translation>
    </message>
    <message>
        <source>Up Paste Text</source>
        <translation>繪製文字</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>載入圖片</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>儲存圖片</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>埠號：</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>傳送</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Used-&gt;</source>
        <translation>已用-&gt;</translation>
    </message>
    <message>
        <source>&lt;-Free</source>
        <translation>&lt;-剩餘</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>訊息</translation>
    </message>
    <message>
        <source>Message 1 preview</source>
        <translation>訊息1 預覽</translation>
    </message>
    <message>
        <source>The drawing of message 1, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>訊息1 的畫面，4096 x 12 像素：其中的紅色像素會在胸牌上亮起；以下方的捲軸移動畫面</translation>
    </message>
    <message>
        <source>Message 1 preview position</source>
        <translation>訊息1 預覽位置</translation>
    </message>
    <message>
        <source>Message 1 text</source>
        <translation>訊息1 文字</translation>
    </message>
    <message>
        <source>Message 1 font name</source>
        <translation>訊息1 字型名稱</translation>
    </message>
    <message>
        <source>Message 1 font size</source>
        <translation>訊息1 字型大小</translation>
    </message>
    <message>
        <source>Message 1 font bold</source>
        <translation>訊息1 粗體</translation>
    </message>
    <message>
        <source>Message 1 direction</source>
        <translation>訊息1 移動方向</translation>
    </message>
    <message>
        <source>Message 1 flash</source>
        <translation>訊息1 閃爍</translation>
    </message>
    <message>
        <source>Message 1 speed</source>
        <translation>訊息1 移動速度</translation>
    </message>
    <message>
        <source>Message 2 preview</source>
        <translation>訊息2 預覽</translation>
    </message>
    <message>
        <source>The drawing of message 2, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>訊息2 的畫面，4096 x 12 像素：其中的紅色像素會在胸牌上亮起；以下方的捲軸移動畫面</translation>
    </message>
    <message>
        <source>Message 2 preview position</source>
        <translation>訊息2 預覽位置</translation>
    </message>
    <message>
        <source>Message 2 text</source>
        <translation>訊息2 文字</translation>
    </message>
    <message>
        <source>Message 2 font name</source>
        <translation>訊息2 字型名稱</translation>
    </message>
    <message>
        <source>Message 2 font size</source>
        <translation>訊息2 字型大小</translation>
    </message>
    <message>
        <source>Message 2 font bold</source>
        <translation>訊息2 粗體</translation>
    </message>
    <message>
        <source>Message 2 direction</source>
        <translation>訊息2 移動方向</translation>
    </message>
    <message>
        <source>Message 2 flash</source>
        <translation>訊息2 閃爍</translation>
    </message>
    <message>
        <source>Message 2 speed</source>
        <translation>訊息2 移動速度</translation>
    </message>
    <message>
        <source>Message 3 preview</source>
        <translation>訊息3 預覽</translation>
    </message>
    <message>
        <source>The drawing of message 3, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>訊息3 的畫面，4096 x 12 像素：其中的紅色像素會在胸牌上亮起；以下方的捲軸移動畫面</translation>
    </message>
    <message>
        <source>Message 3 preview position</source>
        <translation>訊息3 預覽位置</translation>
    </message>
    <message>
        <source>Message 3 text</source>
        <translation>訊息3 文字</translation>
    </message>
    <message>
        <source>Message 3 font name</source>
        <translation>訊息3 字型名稱</translation>
    </message>
    <message>
        <source>Message 3 font size</source>
        <translation>訊息3 字型大小</translation>
    </message>
    <message>
        <source>Message 3 font bold</source>
        <translation>訊息3 粗體</translation>
    </message>
    <message>
        <source>Message 3 direction</source>
        <translation>訊息3 移動方向</translation>
    </message>
    <message>
        <source>Message 3 flash</source>
        <translation>訊息3 閃爍</translation>
    </message>
    <message>
        <source>Message 3 speed</source>
        <translation>訊息3 移動速度</translation>
    </message>
    <message>
        <source>Message 4 preview</source>
        <translation>訊息4 預覽</translation>
    </message>
    <message>
        <source>The drawing of message 4, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>訊息4 的畫面，4096 x 12 像素：其中的紅色像素會在胸牌上亮起；以下方的捲軸移動畫面</translation>
    </message>
    <message>
        <source>Message 4 preview position</source>
        <translation>訊息4 預覽位置</translation>
    </message>
    <message>
        <source>Message 4 text</source>
        <translation>訊息4 文字</translation>
    </message>
    <message>
        <source>Message 4 font name</source>
        <translation>訊息4 字型名稱</translation>
    </message>
    <message>
        <source>Message 4 font size</source>
        <translation>訊息4 字型大小</translation>
    </message>
    <message>
        <source>Message 4 font bold</source>
        <translation>訊息4 粗體</translation>
    </message>
    <message>
        <source>Message 4 direction</source>
        <translation>訊息4 移動方向</translation>
    </message>
    <message>
        <source>Message 4 flash</source>
        <translation>訊息4 閃爍</translation>
    </message>
    <message>
        <source>Message 4 speed</source>
        <translation>訊息4 移動速度</translation>
    </message>
    <message>
        <source>Message 5 preview</source>
        <translation>訊息5 預覽</translation>
    </message>
    <message>
        <source>The drawing of message 5, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>訊息5 的畫面，4096 x 12 像素：其中的紅色像素會在胸牌上亮起；以下方的捲軸移動畫面</translation>
    </message>
    <message>
        <source>Message 5 preview position</source>
        <translation>訊息5 預覽位置</translation>
    </message>
    <message>
        <source>Message 5 text</source>
        <translation>訊息5 文字</translation>
    </message>
    <message>
        <source>Message 5 font name</source>
        <translation>訊息5 字型名稱</translation>
    </message>
    <message>
        <source>Message 5 font size</source>
        <translation>訊息5 字型大小</translation>
    </message>
    <message>
        <source>Message 5 font bold</source>
        <translation>訊息5 粗體</translation>
    </message>
    <message>
        <source>Message 5 direction</source>
        <translation>訊息5 移動方向</translation>
    </message>
    <message>
        <source>Message 5 flash</source>
        <translation>訊息5 閃爍</translation>
    </message>
    <message>
        <source>Message 5 speed</source>
        <translation>訊息5 移動速度</translation>
    </message>
    <message>
        <source>Message 6 preview</source>
        <translation>訊息6 預覽</translation>
    </message>
    <message>
        <source>The drawing of message 6, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>訊息6 的畫面，4096 x 12 像素：其中的紅色像素會在胸牌上亮起；以下方的捲軸移動畫面</translation>
    </message>
    <message>
        <source>Message 6 preview position</source>
        <translation>訊息6 預覽位置</translation>
    </message>
    <message>
        <source>Message 6 text</source>
        <translation>訊息6 文字</translation>
    </message>
    <message>
        <source>Message 6 font name</source>
        <translation>訊息6 字型名稱</translation>
    </message>
    <message>
        <source>Message 6 font size</source>
        <translation>訊息6 字型大小</translation>
    </message>
    <message>
        <source>Message 6 font bold</source>
        <translation>訊息6 粗體</translation>
    </message>
    <message>
        <source>Message 6 direction</source>
        <translation>訊息6 移動方向</translation>
    </message>
    <message>
        <source>Message 6 flash</source>
        <translation>訊息6 閃爍</translation>
    </message>
    <message>
        <source>Message 6 speed</source>
        <translation>訊息6 移動速度</translation>
    </message>
    <message>
        <source>Message 7 preview</source>
        <translation>訊息7 預覽</translation>
    </message>
    <message>
        <source>The drawing of message 7, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>訊息7 的畫面，4096 x 12 像素：其中的紅色像素會在胸牌上亮起；以下方的捲軸移動畫面</translation>
    </message>
    <message>
        <source>Message 7 preview position</source>
        <translation>訊息7 預覽位置</translation>
    </message>
    <message>
        <source>Message 7 text</source>
        <translation>訊息7 文字</translation>
    </message>
    <message>
        <source>Message 7 font name</source>
        <translation>訊息7 字型名稱</translation>
    </message>
    <message>
        <source>Message 7 font size</source>
        <translation>訊息7 字型大小</translation>
    </message>
    <message>
        <source>Message 7 font bold</source>
        <translation>訊息7 粗體</translation>
    </message>
    <message>
        <source>Message 7 direction</source>
        <translation>訊息7 移動方向</translation>
    </message>
    <message>
        <source>Message 7 flash</source>
        <translation>訊息7 閃爍</translation>
    </message>
    <message>
        <source>Message 7 speed</source>
        <translation>訊息7 移動速度</translation>
    </message>
    <message>
        <source>Message 8 preview</source>
        <translation>訊息8 預覽</translation>
    </message>
    <message>
        <source>The drawing of message 8, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>訊息8 的畫面，4096 x 12 像素：其中的紅色像素會在胸牌上亮起；以下方的捲軸移動畫面</translation>
    </message>
    <message>
        <source>Message 8 preview position</source>
        <translation>訊息8 預覽位置</translation>
    </message>
    <message>
        <source>Message 8 text</source>
        <translation>訊息8 文字</translation>
    </message>
    <message>
        <source>Message 8 font name</source>
        <translation>訊息8 字型名稱</translation>
    </message>
    <message>
        <source>Message 8 font size</source>
        <translation>訊息8 字型大小</translation>
    </message>
    <message>
        <source>Message 8 font bold</source>
        <translation>訊息8 粗體</translation>
    </message>
    <message>
        <source>Message 8 direction</source>
        <translation>訊息8 移動方向</translation>
    </message>
    <message>
        <source>Message 8 flash</source>
        <translation>訊息8 閃爍</translation>
    </message>
    <message>
        <source>Message 8 speed</source>
        <translation>訊息8 移動速度</translation>
    </message>
    <message>
        <source>Top location adjust</source>
        <translation>上下位置調整</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>傳送進度</translation>
    </message>
    <message>
        <source>Usage meter</source>
        <translation>用量列</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Scriptlume Ver 2.20</source>
        <translation>Scriptlume 2.20 版</translation>
    </message>
    <message>
        <source>  Scriptlume  </source>
        <translation>  Scriptlume  </translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>顯示文字</translation>
    </message>
    <message>
        <source>Move Speed</source>
        <translation>移動速度</translation>
    </message>
    <message>
        <source>Move Direction</source>
        <translation>移動方向</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>閃爍</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>語言：</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>埠號:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>傳送</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Used --&gt;</source>
        <translation>已用 --&gt;</translation>
    </message>
    <message>
        <source>&lt;-- Free</source>
        <translation>&lt;-- 剩餘</translation>
    </message>
    <message>
        <source>Message 1 selected</source>
        <translation>選取訊息1</translation>
    </message>
    <message>
        <source>Message 1 text</source>
        <translation>訊息1 文字</translation>
    </message>
    <message>
        <source>Message 1 speed</source>
        <translation>訊息1 移動速度</translation>
    </message>
    <message>
        <source>Message 1 direction</source>
        <translation>訊息1 移動方向</translation>
    </message>
    <message>
        <source>Message 1 flash</source>
        <translation>訊息1 閃爍</translation>
    </message>
    <message>
        <source>Message 2 selected</source>
        <translation>選取訊息2</translation>
    </message>
    <message>
        <source>Message 2 text</source>
        <translation>訊息2 文字</translation>
    </message>
    <message>
        <source>Message 2 speed</source>
        <translation>訊息2 移動速度</translation>
    </message>
    <message>
        <source>Message 2 direction</source>
        <translation>訊息2 移動方向</translation>
    </message>
    <message>
        <source>Message 2 flash</source>
        <translation>訊息2 閃爍</translation>
    </message>
    <message>
        <source>Message 3 selected</source>
        <translation>選取訊息3</translation>
    </message>
    <message>
        <source>Message 3 text</source>
        <translation>訊息3 文字</translation>
    </message>
    <message>
        <source>Message 3 speed</source>
        <translation>訊息3 移動速度</translation>
    </message>
    <message>
        <source>Message 3 direction</source>
        <translation>訊息3 移動方向</translation>
    </message>
    <message>
        <source>Message 3 flash</source>
        <translation>訊息3 閃爍</translation>
    </message>
    <message>
        <source>Message 4 selected</source>
        <translation>選取訊息4</translation>
    </message>
    <message>
        <source>Message 4 text</source>
        <translation>訊息4 文字</translation>
    </message>
    <message>
        <source>Message 4 speed</source>
        <translation>訊息4 移動速度</translation>
    </message>
    <message>
        <source>Message 4 direction</source>
        <translation>訊息4 移動方向</translation>
    </message>
    <message>
        <source>Message 4 flash</source>
        <translation>訊息4 閃爍</translation>
    </message>
    <message>
        <source>Message 5 selected</source>
        <translation>選取訊息5</translation>
    </message>
    <message>
        <source>Message 5 text</source>
        <translation>訊息5 文字</translation>
    </message>
    <message>
        <source>Message 5 speed</source>
        <translation>訊息5 移動速度</translation>
    </message>
    <message>
        <source>Message 5 direction</source>
        <translation>訊息5 移動方向</translation>
    </message>
    <message>
        <source>Message 5 flash</source>
        <translation>訊息5 閃爍</translation>
    </message>
    <message>
        <source>Message 6 selected</source>
        <translation>選取訊息6</translation>
    </message>
    <message>
        <source>Message 6 text</source>
        <translation>訊息6 文字</translation>
    </message>
    <message>
        <source>Message 6 speed</source>
        <translation>訊息6 移動速度</translation>
    </message>
    <message>
        <source>Message 6 direction</source>
        <translation>訊息6 移動方向</translation>
    </message>
    <message>
        <source>Message 6 flash</source>
        <translation>訊息6 閃爍</translation>
    </message>
    <message>
        <source>Message 7 selected</source>
        <translation>選取訊息7</translation>
    </message>
    <message>
        <source>Message 7 text</source>
        <translation>訊息7 文字</translation>
    </message>
    <message>
        <source>Message 7 speed</source>
        <translation>訊息7 移動速度</translation>
    </message>
    <message>
        <source>Message 7 direction</source>
        <translation>訊息7 移動方向</translation>
    </message>
    <message>
        <source>Message 7 flash</source>
        <translation>訊息7 閃爍</translation>
    </message>
    <message>
        <source>Message 8 selected</source>
        <translation>選取訊息8</translation>
    </message>
    <message>
        <source>Message 8 text</source>
        <translation>訊息8 文字</translation>
    </message>
    <message>
        <source>Message 8 speed</source>
        <translation>訊息8 移動速度</translation>
    </message>
    <message>
        <source>Message 8 direction</source>
        <translation>訊息8 移動方向</translation>
    </message>
    <message>
        <source>Message 8 flash</source>
        <translation>訊息8 閃爍</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>傳送進度</translation>
    </message>
    <message>
        <source>Usage meter</source>
        <translation>用量列</translation>
    </message>
</context>
<context>
    <name>QImageReader</name>
    <message>
        <source>Unsupported image format</source>
        <translation>不支援的影像格式</translation>
    </message>
    <message>
        <source>Unable to read image data</source>
        <translation>無法讀取影像資料</translation>
    </message>
</context>
<context>
    <name>lume::BadgeSender</name>
    <message>
        <source>Set Port Number Error!</source>
        <translation>連接埠編號設定錯誤！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Port in use or not port</source>
        <translation>連接埠使用中或不是序列埠</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Open port fail!</source>
        <translation>開啟連接埠失敗！</translation>
    </message>
</context>
<context>
    <name>lume::FileDialogs</name>
    <message>
        <source>Pictures</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有檔案</translation>
    </message>
</context>
<context>
    <name>lume::FontPictureWindow</name>
    <message>
        <source>Not Images or Text! Don&apos;t Sending!</source>
        <translation>沒有圖片或文字，不傳送！</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Sending! Are you exit?</source>
        <translation>傳送中！確定要結束嗎？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Cannot open picture</source>
        <translation>無法開啟圖片</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>載入圖片</translation>
    </message>
    <message>
        <source>Cannot save picture</source>
        <translation>無法儲存圖片</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>儲存圖片</translation>
    </message>
    <message>
        <source>Picture(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico</source>
        <translation>圖片(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico</translation>
    </message>
    <message>
        <source>Picture(*.bmp)|*.bmp</source>
        <translation>圖片(*.bmp)|*.bmp</translation>
    </message>
</context>
<context>
    <name>lume::Form1</name>
    <message>
        <source>No Sending Text! Do Not Send!</source>
        <translation>沒有要傳送的文字，不傳送！</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Sending datas to Display! Are you exit?</source>
        <translation>正在傳送資料到胸牌！確定要結束嗎？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Font file &quot;%1&quot; not found!</source>
        <translation>找不到字型檔「%1」！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Scriptlume looks for its dot-font files in these folders, in this order:
</source>
        <translation>Scriptlume 依下列順序在這些資料夾中尋找點陣字型檔：
</translation>
    </message>
</context>
<context>
    <name>lume::LedPreview</name>
    <message>
        <source>1 column byte</source>
        <translation>1 個行位元組</translation>
    </message>
    <message>
        <source>%1 column bytes</source>
        <translation>%1 個行位元組</translation>
    </message>
    <message>
        <source>Width: %1</source>
        <translation>寬度：%1</translation>
    </message>
    <message>
        <source>A badge row holds %1; the rest is not shown.</source>
        <translation>胸牌的一列只能容納 %1，其餘部分不顯示。</translation>
    </message>
    <message>
        <source>Only the first %1 fits on the screen; the rest is cut.</source>
        <translation>螢幕上只顯示得下前 %1，其餘部分被截掉。</translation>
    </message>
    <message>
        <source>Only the first %1 fit on the screen; the rest is cut.</source>
        <translation>螢幕上只顯示得下前 %1，其餘部分被截掉。</translation>
    </message>
</context>
<context>
    <name>lume::MessagePreview</name>
    <message>
        <source>Font file &quot;%1&quot; not found!</source>
        <translation>找不到字型檔「%1」！</translation>
    </message>
    <message>
        <source>Scriptlume looks for its dot-font files in these folders, in this order:
</source>
        <translation>Scriptlume 依下列順序在這些資料夾中尋找點陣字型檔：
</translation>
    </message>
    <message>
        <source>1 character cannot be shown in %1: %2</source>
        <translation>有 1 個字元無法以 %1 顯示：%2</translation>
    </message>
    <message>
        <source>%1 characters cannot be shown in %2: %3</source>
        <translation>有 %1 個字元無法以 %2 顯示：%3</translation>
    </message>
</context>
<context>
    <name>lume::PictureIo</name>
    <message>
        <source>%1: the picture is %2 x %3 pixels, too large to decode (it would take %4 MB, at most %5 MB can be used). Only its top %6 rows reach the badge: crop it to at most %7 pixels wide and %6 high first.</source>
        <translation>%1：圖片為 %2 x %3 像素，太大而無法解碼（需要 %4 MB，最多只能使用 %5 MB）。只有最上方的 %6 列會送到胸牌：請先將它裁切到寬不超過 %7 像素、高不超過 %6 像素。</translation>
    </message>
    <message>
        <source>%1: the picture cannot be decoded (%2).</source>
        <translation>%1：無法解碼圖片（%2）。</translation>
    </message>
    <message>
        <source>%1: the file does not exist.</source>
        <translation>%1：檔案不存在。</translation>
    </message>
    <message>
        <source>%1: this is a folder, not a picture file.</source>
        <translation>%1：這是資料夾，不是圖片檔。</translation>
    </message>
    <message>
        <source>%1: not a picture file that can be read (%2).</source>
        <translation>%1：不是可讀取的圖片檔（%2）。</translation>
    </message>
    <message>
        <source>%1: the file ends before its picture does; it is damaged or was not copied whole.</source>
        <translation>%1：圖片尚未結束檔案就結束了，檔案已損毀或未完整複製。</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>沒有可儲存的圖片。</translation>
    </message>
</context>
<context>
    <name>lume::PortDiagnostics</name>
    <message>
        <source>process %1</source>
        <translation>行程 %1</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>See what the kernel said when the adapter was plugged in: sudo dmesg | tail -n 20 (look for ttyUSB or ttyACM). Check that its driver is loaded: lsmod | grep -E &apos;ch341|pl2303|ftdi_sio|cp210x|cdc_acm&apos;, and load the one for your adapter&apos;s chip, for example: sudo modprobe ch341</source>
        <translation>查看插入轉接器時核心輸出的訊息：sudo dmesg | tail -n 20（尋找 ttyUSB 或 ttyACM）。確認其驅動程式已載入：lsmod | grep -E &apos;ch341|pl2303|ftdi_sio|cp210x|cdc_acm&apos;，並載入與轉接器晶片相符的驅動程式，例如：sudo modprobe ch341</translation>
    </message>
    <message>
        <source>%1 belongs to the group %2, and your user %3 was added to %2 after this session began: the session still runs without it.</source>
        <translation>%1 屬於群組 %2，而您的使用者 %3 是在這個工作階段開始後才加入 %2：目前的工作階段仍不具備該群組的權限。</translation>
    </message>
    <message>
        <source>Log out and log in again (a new terminal window is not enough); for this terminal only: newgrp %1</source>
        <translation>請登出後再重新登入（只開新的終端機視窗是不夠的）；僅對目前的終端機有效：newgrp %1</translation>
    </message>
    <message>
        <source>%1 belongs to the group %2 (%3), and your user %4 is not in it.</source>
        <translation>%1 屬於群組 %2（%3），而您的使用者 %4 不在此群組中。</translation>
    </message>
    <message>
        <source>Add your user to the group, then log out and log in again: sudo usermod -aG %1 %2</source>
        <translation>將您的使用者加入該群組，然後登出再重新登入：sudo usermod -aG %1 %2</translation>
    </message>
    <message>
        <source>%1 (%2, group %3) lets no group use it.</source>
        <translation>%1（%2，群組 %3）不允許任何群組使用。</translation>
    </message>
    <message>
        <source>Let the group dialout use it with a udev rule: echo &apos;SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%1&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;&apos; | sudo tee /etc/udev/rules.d/70-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger; then: sudo usermod -aG dialout %2, and log in again</source>
        <translation>以一條 udev 規則讓 dialout 群組可以使用它：echo &apos;SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%1&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;&apos; | sudo tee /etc/udev/rules.d/70-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger；然後執行：sudo usermod -aG dialout %2，並重新登入</translation>
    </message>
    <message>
        <source>%1 is in use by %2.</source>
        <translation>%1 正由 %2 使用中。</translation>
    </message>
    <message>
        <source>The lock file %1 names no process; if no program uses the port, remove it: sudo rm %1</source>
        <translation>鎖定檔 %1 沒有記載任何行程；若沒有程式在使用此連接埠，請刪除它：sudo rm %1</translation>
    </message>
    <message>
        <source>The lock file %1 was left by process %2, which has ended; remove it: sudo rm %1</source>
        <translation>鎖定檔 %1 是已結束的行程 %2 留下的，請刪除它：sudo rm %1</translation>
    </message>
    <message>
        <source>ModemManager probes every newly plugged serial adapter for a few seconds: wait a moment and send again. To keep it away from the badge&apos;s adapter for good: echo &apos;%1, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;&apos; | sudo tee /etc/udev/rules.d/99-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules, then plug the adapter in again.</source>
        <translation>ModemManager 會對每個新插入的序列埠轉接器探測幾秒鐘：請稍候片刻再傳送。若要讓它永遠不碰胸牌的轉接器：echo &apos;%1, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;&apos; | sudo tee /etc/udev/rules.d/99-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules，然後重新插入轉接器。</translation>
    </message>
    <message>
        <source>brltty (the braille display service) claims CH340 and other serial adapters. If you use no braille display, remove it: sudo apt remove brltty (or stop it for good: sudo systemctl mask brltty-udev.service brltty.service), then plug the adapter in again.</source>
        <translation>brltty（點字顯示器服務）會佔用 CH340 等序列埠轉接器。若您沒有使用點字顯示器，請移除它：sudo apt remove brltty（或永久停用：sudo systemctl mask brltty-udev.service brltty.service），然後重新插入轉接器。</translation>
    </message>
    <message>
        <source>The terminal program %1 has the port open: quit it, or end it: kill %2</source>
        <translation>終端機程式 %1 開啟了此連接埠：請關閉它，或終止它：kill %2</translation>
    </message>
    <message>
        <source>Close %1, or end it: kill %2</source>
        <translation>請關閉 %1，或終止它：kill %2</translation>
    </message>
    <message>
        <source>%1 is locked by a lock file that no running program holds.</source>
        <translation>%1 被一個鎖定檔鎖住，但沒有執行中的程式持有它。</translation>
    </message>
    <message>
        <source>Another program holds this port (%1), but which one cannot be seen from this user.</source>
        <translation>另一個程式佔用著此連接埠（%1），但以目前的使用者看不出是哪一個。</translation>
    </message>
    <message>
        <source>Find it with: sudo fuser -v %1 (or sudo lsof %1), then close it. Often it is ModemManager for a few seconds after plugging in, brltty, or a forgotten screen or minicom.</source>
        <translation>以下列指令找出它：sudo fuser -v %1（或 sudo lsof %1），然後關閉它。常見的是剛插入後幾秒內的 ModemManager、brltty，或忘了關的 screen、minicom。</translation>
    </message>
    <message>
        <source>%1 is not there any more: its adapter was unplugged, or its driver let it go.</source>
        <translation>%1 已不存在：它的轉接器已被拔除，或驅動程式已釋放它。</translation>
    </message>
    <message>
        <source>Check the badge&apos;s cable, plug the adapter in again, then open the port list again and choose its port.</source>
        <translation>請檢查胸牌的傳輸線，重新插入轉接器，然後再次開啟連接埠清單並選擇它的連接埠。</translation>
    </message>
    <message>
        <source>No serial device was found on this machine.</source>
        <translation>這台電腦上找不到序列埠裝置。</translation>
    </message>
    <message>
        <source>Check the badge&apos;s cable and that its adapter is plugged in (try another USB socket).</source>
        <translation>請檢查胸牌的傳輸線，並確認轉接器已插好（試試另一個 USB 插槽）。</translation>
    </message>
    <message>
        <source>%1 is not a serial port on this machine now.</source>
        <translation>%1 目前不是這台電腦上的序列埠。</translation>
    </message>
    <message>
        <source>This port</source>
        <translation>此連接埠</translation>
    </message>
    <message>
        <source>See the ports there are with: lumesend --list-ports (or open the port list again), and check the badge&apos;s cable.</source>
        <translation>以 lumesend --list-ports 查看現有的連接埠（或重新開啟連接埠清單），並檢查胸牌的傳輸線。</translation>
    </message>
    <message>
        <source>%1 is the system console; a badge stream is never written there.</source>
        <translation>%1 是系統主控台；胸牌資料絕不會寫到那裡。</translation>
    </message>
    <message>
        <source>%1 is no serial device.</source>
        <translation>%1 不是序列埠裝置。</translation>
    </message>
    <message>
        <source>%1 can be opened by this user now.</source>
        <translation>目前的使用者現在可以開啟 %1。</translation>
    </message>
    <message>
        <source>It is open in %1 as well, which may disturb the transfer.</source>
        <translation>它同時也在 %1 中開啟，可能會干擾傳送。</translation>
    </message>
    <message>
        <source>The system refuses %1 to this user (%2), though its owner, group and mode allow it.</source>
        <translation>儘管 %1 的擁有者、群組與權限都允許，系統仍拒絕目前的使用者使用它（%2）。</translation>
    </message>
    <message>
        <source>Look for an access list or a security policy: getfacl %1; ls -lZ %1</source>
        <translation>請檢查存取控制清單或安全性原則：getfacl %1; ls -lZ %1</translation>
    </message>
    <message>
        <source>Your user may not use this serial port. On Linux, add yourself to the group that owns it (usually &quot;dialout&quot;: sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>您的使用者無權使用此序列埠。在 Linux 上，請將自己加入擁有它的群組（通常是「dialout」：sudo usermod -aG dialout $USER），然後登出再重新登入。</translation>
    </message>
    <message>
        <source>The udev rule %1 gives this adapter (%2, %3) to the user at the machine&apos;s seat (%4): a session at the machine&apos;s own screen and keyboard, while it is the active one. It does not apply to a remote login (ssh) or to a session in the background. If you sit at the machine, let udev apply it (the adapter may have been plugged in before the rule came): sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</source>
        <translation>udev 規則 %1 將此轉接器（%2，%3）交給本機座席（%4）上的使用者使用：也就是在這台電腦本身的螢幕與鍵盤前登入的工作階段，且僅在它是目前作用中的工作階段時有效。它不適用於遠端登入（ssh），也不適用於背景中的工作階段。若您就坐在這台電腦前，請讓 udev 套用此規則（轉接器可能是在規則生效之前插入的）：sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</translation>
    </message>
    <message>
        <source>The udev rule %1 gives the common USB serial adapters (FTDI, CH340, PL2303, CP210x) to the user at the machine&apos;s seat; this adapter (%2) is not among them, so the group that owns the device is the way in.</source>
        <translation>udev 規則 %1 將常見的 USB 序列埠轉接器（FTDI、CH340、PL2303、CP210x）交給本機座席上的使用者使用；此轉接器（%2）不在其中，因此須透過擁有該裝置的群組取得使用權限。</translation>
    </message>
    <message>
        <source>ModemManager holds the adapter (%1), though the udev rule %2 tells it to leave this adapter alone: the rule was not applied to it. Apply it and plug the adapter in again: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</source>
        <translation>ModemManager 佔用著轉接器（%1），儘管 udev 規則 %2 要求它不要碰此轉接器：表示此規則並未套用到該轉接器。請套用規則，然後重新插入轉接器：sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</translation>
    </message>
    <message>
        <source>brltty (PID %1) is running and may have claimed the adapter: the kernel&apos;s log then shows &quot;interface 0 claimed by ... while &apos;brltty&apos; sets config&quot; (sudo dmesg | grep brltty).</source>
        <translation>brltty（PID %1）正在執行，可能已佔用了轉接器：此時核心記錄中會出現「interface 0 claimed by ... while &apos;brltty&apos; sets config」（sudo dmesg | grep brltty）。</translation>
    </message>
</context>
<context>
    <name>lume::PortInfo</name>
    <message>
        <source>virtual badge</source>
        <translation>虛擬胸牌</translation>
    </message>
    <message>
        <source>USB serial adapter</source>
        <translation>USB 序列埠轉接器</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>內建序列埠</translation>
    </message>
</context>
<context>
    <name>lume::QtSerialControl</name>
    <message>
        <source>&quot;%1&quot; are no line settings of the form &quot;1200,n,8,1&quot;</source>
        <translation>「%1」不是「1200,n,8,1」格式的線路設定</translation>
    </message>
    <message>
        <source>the port is already open</source>
        <translation>連接埠已經開啟</translation>
    </message>
    <message>
        <source>COM%1 is not a serial port on this machine</source>
        <translation>COM%1 不是這台電腦上的序列埠</translation>
    </message>
    <message>
        <source>the port is in use by another program (%1)</source>
        <translation>連接埠正由另一個程式使用（%1）</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>連接埠未開啟</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes were queued</source>
        <translation>%2 個位元組中只有 %1 個進入傳送佇列</translation>
    </message>
</context>
<context>
    <name>lume::SendProfile</name>
    <message>
        <source>Sending...</source>
        <translation>傳送中…</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>請稍候</translation>
    </message>
    <message>
        <source>Sending!</source>
        <translation>傳送中！</translation>
    </message>
    <message>
        <source>Waits</source>
        <translation>請稍候</translation>
    </message>
</context>
<context>
    <name>lume::UsageMeter</name>
    <message>
        <source>%1 of %2 column bytes: %3 more than the badge holds</source>
        <translation>已用 %1 個行位元組，最多可容納 %2 個：超出 %3 個</translation>
    </message>
    <message>
        <source>%1 of %2 column bytes</source>
        <translation>已用 %1 個行位元組，最多可容納 %2 個</translation>
    </message>
</context>
</TS>
