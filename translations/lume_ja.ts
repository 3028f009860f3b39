<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>FontPictureWindow</name>
    <message>
        <source>Sketchlume Ver 2.00</source>
        <translation>Sketchlume Ver 2.00</translation>
    </message>
    <message>
        <source>  Sketchlume  </source>
        <translation>  Sketchlume  </translation>
    </message>
    <message>
        <source>Message1</source>
        <translation>メッセージ1</translation>
    </message>
    <message>
        <source>Message2</source>
        <translation>メッセージ2</translation>
    </message>
    <message>
        <source>Message3</source>
        <translation>メッセージ3</translation>
    </message>
    <message>
        <source>Message4</source>
        <translation>メッセージ4</translation>
    </message>
    <message>
        <source>Message5</source>
        <translation>メッセージ5</translation>
    </message>
    <message>
        <source>Message6</source>
        <translation>メッセージ6</translation>
    </message>
    <message>
        <source>Message7</source>
        <translation>メッセージ7</translation>
    </message>
    <message>
        <source>Message8</source>
        <translation>メッセージ8</translation>
    </message>
    <message>
        <source>Message1 Show Image:</source>
        <translation>メッセージ1 の表示画像：</translation>
    </message>
    <message>
        <source>Font Name:</source>
        <translation>フォント名：</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>サイズ：</translation>
    </message>
    <message>
        <source>Font Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Move Direction:</source>
        <translation>移動方向：</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>点滅</translation>
    </message>
    <message>
        <source>Move Speed:</source>
        <translation>移動速度：</translation>
    </message>
    <message>
        <source>Message2 Show Image:</source>
        <translation>メッセージ2 の表示画像：</translation>
    </message>
    <message>
        <source>Message3 Show Image:</source>
        <translation>メッセージ3 の表示画像：</translation>
    </message>
    <message>
        <source>Message4 Show Image:</source>
        <translation>メッセージ4 の表示画像：</translation>
    </message>
    <message>
        <source>Message5 Show Image:</source>
        <translation>メッセージ5 の表示画像：</translation>
    </message>
    <message>
        <source>Message6 Show Image:</source>
        <translation>メッセージ6 の表示画像：</translation>
    </message>
    <message>
        <source>Message7 Show Image:</source>
        <translation>メッセージ7 の表示画像：</translation>
    </message>
    <message>
        <source>Message8 Show Image:</source>
        <translation>メッセージ8 の表示画像：</translation>
    </message>
    <message>
        <source>Top Location Adjust:</source>
        <translation>上下位置の調整：</translation>
    </message>
    <message>
        <source>Up Paste Text</source>
        <translation>文字を描画</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>画像を保存</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート：</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Used-&gt;</source>
        <translation>使用-&gt;</translation>
    </message>
    <message>
        <source>&lt;-Free</source>
        <translation>&lt;-空き</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Message 1 preview</source>
        <translation>メッセージ 1 のプレビュー</translation>
    </message>
    <message>
        <source>The drawing of message 1, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>メッセージ 1 の絵（4096 x 12 ピクセル）。赤いピクセルがバッジで点灯します。下のスクロールバーで表示位置を動かせます</translation>
    </message>
    <message>
        <source>Message 1 preview position</source>
        <translation>メッセージ 1 のプレビュー位置</translation>
    </message>
    <message>
        <source>Message 1 text</source>
        <translation>メッセージ 1 の文字</translation>
    </message>
    <message>
        <source>Message 1 font name</source>
        <translation>メッセージ 1 のフォント名</translation>
    </message>
    <message>
        <source>Message 1 font size</source>
        <translation>メッセージ 1 のフォントサイズ</translation>
    </message>
    <message>
        <source>Message 1 font bold</source>
        <translation>メッセージ 1 の太字</translation>
    </message>
    <message>
        <source>Message 1 direction</source>
        <translation>メッセージ 1 の移動方向</translation>
    </message>
    <message>
        <source>Message 1 flash</source>
        <translation>メッセージ 1 の点滅</translation>
    </message>
    <message>
        <source>Message 1 speed</source>
        <translation>メッセージ 1 の移動速度</translation>
    </message>
    <message>
        <source>Message 2 preview</source>
        <translation>メッセージ 2 のプレビュー</translation>
    </message>
    <message>
        <source>The drawing of message 2, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>メッセージ 2 の絵（4096 x 12 ピクセル）。赤いピクセルがバッジで点灯します。下のスクロールバーで表示位置を動かせます</translation>
    </message>
    <message>
        <source>Message 2 preview position</source>
        <translation>メッセージ 2 のプレビュー位置</translation>
    </message>
    <message>
        <source>Message 2 text</source>
        <translation>メッセージ 2 の文字</translation>
    </message>
    <message>
        <source>Message 2 font name</source>
        <translation>メッセージ 2 のフォント名</translation>
    </message>
    <message>
        <source>Message 2 font size</source>
        <translation>メッセージ 2 のフォントサイズ</translation>
    </message>
    <message>
        <source>Message 2 font bold</source>
        <translation>メッセージ 2 の太字</translation>
    </message>
    <message>
        <source>Message 2 direction</source>
        <translation>メッセージ 2 の移動方向</translation>
    </message>
    <message>
        <source>Message 2 flash</source>
        <translation>メッセージ 2 の点滅</translation>
    </message>
    <message>
        <source>Message 2 speed</source>
        <translation>メッセージ 2 の移動速度</translation>
    </message>
    <message>
        <source>Message 3 preview</source>
        <translation>メッセージ 3 のプレビュー</translation>
    </message>
    <message>
        <source>The drawing of message 3, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>メッセージ 3 の絵（4096 x 12 ピクセル）。赤いピクセルがバッジで点灯します。下のスクロールバーで表示位置を動かせます</translation>
    </message>
    <message>
        <source>Message 3 preview position</source>
        <translation>メッセージ 3 のプレビュー位置</translation>
    </message>
    <message>
        <source>Message 3 text</source>
        <translation>メッセージ 3 の文字</translation>
    </message>
    <message>
        <source>Message 3 font name</source>
        <translation>メッセージ 3 のフォント名</translation>
    </message>
    <message>
        <source>Message 3 font size</source>
        <translation>メッセージ 3 のフォントサイズ</translation>
    </message>
    <message>
        <source>Message 3 font bold</source>
        <translation>メッセージ 3 の太字</translation>
    </message>
    <message>
        <source>Message 3 direction</source>
        <translation>メッセージ 3 の移動方向</translation>
    </message>
    <message>
        <source>Message 3 flash</source>
        <translation>メッセージ 3 の点滅</translation>
    </message>
    <message>
        <source>Message 3 speed</source>
        <translation>メッセージ 3 の移動速度</translation>
    </message>
    <message>
        <source>Message 4 preview</source>
        <translation>メッセージ 4 のプレビュー</translation>
    </message>
    <message>
        <source>The drawing of message 4, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>メッセージ 4 の絵（4096 x 12 ピクセル）。赤いピクセルがバッジで点灯します。下のスクロールバーで表示位置を動かせます</translation>
    </message>
    <message>
        <source>Message 4 preview position</source>
        <translation>メッセージ 4 のプレビュー位置</translation>
    </message>
    <message>
        <source>Message 4 text</source>
        <translation>メッセージ 4 の文字</translation>
    </message>
    <message>
        <source>Message 4 font name</source>
        <translation>メッセージ 4 のフォント名</translation>
    </message>
    <message>
        <source>Message 4 font size</source>
        <translation>メッセージ 4 のフォントサイズ</translation>
    </message>
    <message>
        <source>Message 4 font bold</source>
        <translation>メッセージ 4 の太字</translation>
    </message>
    <message>
        <source>Message 4 direction</source>
        <translation>メッセージ 4 の移動方向</translation>
    </message>
    <message>
        <source>Message 4 flash</source>
        <translation>メッセージ 4 の点滅</translation>
    </message>
    <message>
        <source>Message 4 speed</source>
        <translation>メッセージ 4 の移動速度</translation>
    </message>
    <message>
        <source>Message 5 preview</source>
        <translation>メッセージ 5 のプレビュー</translation>
    </message>
    <message>
        <source>The drawing of message 5, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>メッセージ 5 の絵（4096 x 12 ピクセル）。赤いピクセルがバッジで点灯します。下のスクロールバーで表示位置を動かせます</translation>
    </message>
    <message>
        <source>Message 5 preview position</source>
        <translation>メッセージ 5 のプレビュー位置</translation>
    </message>
    <message>
        <source>Message 5 text</source>
        <translation>メッセージ 5 の文字</translation>
    </message>
    <message>
        <source>Message 5 font name</source>
        <translation>メッセージ 5 のフォント名</translation>
    </message>
    <message>
        <source>Message 5 font size</source>
        <translation>メッセージ 5 のフォントサイズ</translation>
    </message>
    <message>
        <source>Message 5 font bold</source>
        <translation>メッセージ 5 の太字</translation>
    </message>
    <message>
        <source>Message 5 direction</source>
        <translation>メッセージ 5 の移動方向</translation>
    </message>
    <message>
        <source>Message 5 flash</source>
        <translation>メッセージ 5 の点滅</translation>
    </message>
    <message>
        <source>Message 5 speed</source>
        <translation>メッセージ 5 の移動速度</translation>
    </message>
    <message>
        <source>Message 6 preview</source>
        <translation>メッセージ 6 のプレビュー</translation>
    </message>
    <message>
        <source>The drawing of message 6, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>メッセージ 6 の絵（4096 x 12 ピクセル）。赤いピクセルがバッジで点灯します。下のスクロールバーで表示位置を動かせます</translation>
    </message>
    <message>
        <source>Message 6 preview position</source>
        <translation>メッセージ 6 のプレビュー位置</translation>
    </message>
    <message>
        <source>Message 6 text</source>
        <translation>メッセージ 6 の文字</translation>
    </message>
    <message>
        <source>Message 6 font name</source>
        <translation>メッセージ 6 のフォント名</translation>
    </message>
    <message>
        <source>Message 6 font size</source>
        <translation>メッセージ 6 のフォントサイズ</translation>
    </message>
    <message>
        <source>Message 6 font bold</source>
        <translation>メッセージ 6 の太字</translation>
    </message>
    <message>
        <source>Message 6 direction</source>
        <translation>メッセージ 6 の移動方向</translation>
    </message>
    <message>
        <source>Message 6 flash</source>
        <translation>メッセージ 6 の点滅</translation>
    </message>
    <message>
        <source>Message 6 speed</source>
        <translation>メッセージ 6 の移動速度</translation>
    </message>
    <message>
        <source>Message 7 preview</source>
        <translation>メッセージ 7 のプレビュー</translation>
    </message>
    <message>
        <source>The drawing of message 7, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>メッセージ 7 の絵（4096 x 12 ピクセル）。赤いピクセルがバッジで点灯します。下のスクロールバーで表示位置を動かせます</translation>
    </message>
    <message>
        <source>Message 7 preview position</source>
        <translation>メッセージ 7 のプレビュー位置</translation>
    </message>
    <message>
        <source>Message 7 text</source>
        <translation>メッセージ 7 の文字</translation>
    </message>
    <message>
        <source>Message 7 font name</source>
        <translation>メッセージ 7 のフォント名</translation>
    </message>
    <message>
        <source>Message 7 font size</source>
        <translation>メッセージ 7 のフォントサイズ</translation>
    </message>
    <message>
        <source>Message 7 font bold</source>
        <translation>メッセージ 7 の太字</translation>
    </message>
    <message>
        <source>Message 7 direction</source>
        <translation>メッセージ 7 の移動方向</translation>
    </message>
    <message>
        <source>Message 7 flash</source>
        <translation>メッセージ 7 の点滅</translation>
    </message>
    <message>
        <source>Message 7 speed</source>
        <translation>メッセージ 7 の移動速度</translation>
    </message>
    <message>
        <source>Message 8 preview</source>
        <translation>メッセージ 8 のプレビュー</translation>
    </message>
    <message>
        <source>The drawing of message 8, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>メッセージ 8 の絵（4096 x 12 ピクセル）。赤いピクセルがバッジで点灯します。下のスクロールバーで表示位置を動かせます</translation>
    </message>
    <message>
        <source>Message 8 preview position</source>
        <translation>メッセージ 8 のプレビュー位置</translation>
    </message>
    <message>
        <source>Message 8 text</source>
        <translation>メッセージ 8 の文字</translation>
    </message>
    <message>
        <source>Message 8 font name</source>
        <translation>メッセージ 8 のフォント名</translation>
    </message>
    <message>
        <source>Message 8 font size</source>
        <translation>メッセージ 8 のフォントサイズ</translation>
    </message>
    <message>
        <source>Message 8 font bold</source>
        <translation>メッセージ 8 の太字</translation>
    </message>
    <message>
        <source>Message 8 direction</source>
        <translation>メッセージ 8 の移動方向</translation>
    </message>
    <message>
        <source>Message 8 flash</source>
        <translation>メッセージ 8 の点滅</translation>
    </message>
    <message>
        <source>Message 8 speed</source>
        <translation>メッセージ 8 の移動速度</translation>
    </message>
    <message>
        <source>Top location adjust</source>
        <translation>上下位置の調整</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>送信の進行状況</translation>
    </message>
    <message>
        <source>Usage meter</source>
        <translation>使用量メーター</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Scriptlume Ver 2.20</source>
        <translation>Scriptlume Ver 2.20</translation>
    </message>
    <message>
        <source>  Scriptlume  </source>
        <translation>  Scriptlume  </translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>表示文字</translation>
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
        <translation>点滅</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>言語：</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>接続:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Used --&gt;</source>
        <translation>使用 --&gt;</translation>
    </message>
    <message>
        <source>&lt;-- Free</source>
        <translation>&lt;-- 空き</translation>
    </message>
    <message>
        <source>Message 1 selected</source>
        <translation>メッセージ 1 を選択</translation>
    </message>
    <message>
        <source>Message 1 text</source>
        <translation>メッセージ 1 の文字</translation>
    </message>
    <message>
        <source>Message 1 speed</source>
        <translation>メッセージ 1 の移動速度</translation>
    </message>
    <message>
        <source>Message 1 direction</source>
        <translation>メッセージ 1 の移動方向</translation>
    </message>
    <message>
        <source>Message 1 flash</source>
        <translation>メッセージ 1 の点滅</translation>
    </message>
    <message>
        <source>Message 2 selected</source>
        <translation>メッセージ 2 を選択</translation>
    </message>
    <message>
        <source>Message 2 text</source>
        <translation>メッセージ 2 の文字</translation>
    </message>
    <message>
        <source>Message 2 speed</source>
        <translation>メッセージ 2 の移動速度</translation>
    </message>
    <message>
        <source>Message 2 direction</source>
        <translation>メッセージ 2 の移動方向</translation>
    </message>
    <message>
        <source>Message 2 flash</source>
        <translation>メッセージ 2 の点滅</translation>
    </message>
    <message>
        <source>Message 3 selected</source>
        <translation>メッセージ 3 を選択</translation>
    </message>
    <message>
        <source>Message 3 text</source>
        <translation>メッセージ 3 の文字</translation>
    </message>
    <message>
        <source>Message 3 speed</source>
        <translation>メッセージ 3 の移動速度</translation>
    </message>
    <message>
        <source>Message 3 direction</source>
        <translation>メッセージ 3 の移動方向</translation>
    </message>
    <message>
        <source>Message 3 flash</source>
        <translation>メッセージ 3 の点滅</translation>
    </message>
    <message>
        <source>Message 4 selected</source>
        <translation>メッセージ 4 を選択</translation>
    </message>
    <message>
        <source>Message 4 text</source>
        <translation>メッセージ 4 の文字</translation>
    </message>
    <message>
        <source>Message 4 speed</source>
        <translation>メッセージ 4 の移動速度</translation>
    </message>
    <message>
        <source>Message 4 direction</source>
        <translation>メッセージ 4 の移動方向</translation>
    </message>
    <message>
        <source>Message 4 flash</source>
        <translation>メッセージ 4 の点滅</translation>
    </message>
    <message>
        <source>Message 5 selected</source>
        <translation>メッセージ 5 を選択</translation>
    </message>
    <message>
        <source>Message 5 text</source>
        <translation>メッセージ 5 の文字</translation>
    </message>
    <message>
        <source>Message 5 speed</source>
        <translation>メッセージ 5 の移動速度</translation>
    </message>
    <message>
        <source>Message 5 direction</source>
        <translation>メッセージ 5 の移動方向</translation>
    </message>
    <message>
        <source>Message 5 flash</source>
        <translation>メッセージ 5 の点滅</translation>
    </message>
    <message>
        <source>Message 6 selected</source>
        <translation>メッセージ 6 を選択</translation>
    </message>
    <message>
        <source>Message 6 text</source>
        <translation>メッセージ 6 の文字</translation>
    </message>
    <message>
        <source>Message 6 speed</source>
        <translation>メッセージ 6 の移動速度</translation>
    </message>
    <message>
        <source>Message 6 direction</source>
        <translation>メッセージ 6 の移動方向</translation>
    </message>
    <message>
        <source>Message 6 flash</source>
        <translation>メッセージ 6 の点滅</translation>
    </message>
    <message>
        <source>Message 7 selected</source>
        <translation>メッセージ 7 を選択</translation>
    </message>
    <message>
        <source>Message 7 text</source>
        <translation>メッセージ 7 の文字</translation>
    </message>
    <message>
        <source>Message 7 speed</source>
        <translation>メッセージ 7 の移動速度</translation>
    </message>
    <message>
        <source>Message 7 direction</source>
        <translation>メッセージ 7 の移動方向</translation>
    </message>
    <message>
        <source>Message 7 flash</source>
        <translation>メッセージ 7 の点滅</translation>
    </message>
    <message>
        <source>Message 8 selected</source>
        <translation>メッセージ 8 を選択</translation>
    </message>
    <message>
        <source>Message 8 text</source>
        <translation>メッセージ 8 の文字</translation>
    </message>
    <message>
        <source>Message 8 speed</source>
        <translation>メッセージ 8 の移動速度</translation>
    </message>
    <message>
        <source>Message 8 direction</source>
        <translation>メッセージ 8 の移動方向</translation>
    </message>
    <message>
        <source>Message 8 flash</source>
        <translation>メッセージ 8 の点滅</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>送信の進行状況</translation>
    </message>
    <message>
        <source>Usage meter</source>
        <translation>使用量メーター</translation>
    </message>
</context>
<context>
    <name>QImageReader</name>
    <message>
        <source>Unsupported image format</source>
        <translation>未対応の画像形式</translation>
    </message>
    <message>
        <source>Unable to read image data</source>
        <translation>画像データを読み込めません</translation>
    </message>
</context>
<context>
    <name>lume::BadgeSender</name>
    <message>
        <source>Set Port Number Error!</source>
        <translation>ポート番号の設定エラーです。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Port in use or not port</source>
        <translation>ポートが使用中か、シリアルポートではありません</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Open port fail!</source>
        <translation>ポートを開けませんでした。</translation>
    </message>
</context>
<context>
    <name>lume::FileDialogs</name>
    <message>
        <source>Pictures</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
</context>
<context>
    <name>lume::FontPictureWindow</name>
    <message>
        <source>Not Images or Text! Don&apos;t Sending!</source>
        <translation>画像も文字もありません。送信しません。</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Sending! Are you exit?</source>
        <translation>送信中です。終了しますか？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Cannot open picture</source>
        <translation>画像を開けません</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>Cannot save picture</source>
        <translation>画像を保存できません</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>画像を保存</translation>
    </message>
    <message>
        <source>Picture(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico</source>
        <translation>画像(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico</translation>
    </message>
    <message>
        <source>Picture(*.bmp)|*.bmp</source>
        <translation>画像(*.bmp)|*.bmp</translation>
    </message>
</context>
<context>
    <name>lume::Form1</name>
    <message>
        <source>No Sending Text! Do Not Send!</source>
        <translation>送信する文字がありません。送信しません。</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Sending datas to Display! Are you exit?</source>
        <translation>バッジへ送信中です。終了しますか？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Font file &quot;%1&quot; not found!</source>
        <translation>フォントファイル「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Scriptlume looks for its dot-font files in these folders, in this order:
</source>
        <translation>Scriptlume はドットフォントファイルを次のフォルダーからこの順に探します：
</translation>
    </message>
</context>
<context>
    <name>lume::LedPreview</name>
    <message>
        <source>1 column byte</source>
        <translation>1 列バイト</translation>
    </message>
    <message>
        <source>%1 column bytes</source>
        <translation>%1 列バイト</translation>
    </message>
    <message>
        <source>Width: %1</source>
        <translation>幅: %1</translation>
    </message>
    <message>
        <source>A badge row holds %1; the rest is not shown.</source>
        <translation>バッジの 1 行に入るのは %1 までです。残りは表示されません。</translation>
    </message>
    <message>
        <source>Only the first %1 fits on the screen; the rest is cut.</source>
        <translation>画面に収まるのは最初の %1 だけです。残りは切れています。</translation>
    </message>
    <message>
        <source>Only the first %1 fit on the screen; the rest is cut.</source>
        <translation>画面に収まるのは最初の %1 だけです。残りは切れています。</translation>
    </message>
</context>
<context>
    <name>lume::MessagePreview</name>
    <message>
        <source>Font file &quot;%1&quot; not found!</source>
        <translation>フォントファイル「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>Scriptlume looks for its dot-font files in these folders, in this order:
</source>
        <translation>Scriptlume はドットフォントファイルを次のフォルダーからこの順に探します：
</translation>
    </message>
    <message>
        <source>1 character cannot be shown in %1: %2</source>
        <translation>%1 では 1 文字を表示できません：%2</translation>
    </message>
    <message>
        <source>%1 characters cannot be shown in %2: %3</source>
        <translation>%2 では %1 文字を表示できません：%3</translation>
    </message>
</context>
<context>
    <name>lume::PictureIo</name>
    <message>
        <source>%1: the picture is %2 x %3 pixels, too large to decode (it would take %4 MB, at most %5 MB can be used). Only its top %6 rows reach the badge: crop it to at most %7 pixels wide and %6 high first.</source>
        <translation>%1: 画像は %2 x %3 ピクセルで、大きすぎてデコードできません（%4 MB 必要ですが、使えるのは最大 %5 MB です）。バッジに届くのは上の %6 行だけです。先に幅 %7 ピクセル、高さ %6 ピクセル以内に切り抜いてください。</translation>
    </message>
    <message>
        <source>%1: the picture cannot be decoded (%2).</source>
        <translation>%1: 画像をデコードできません（%2）。</translation>
    </message>
    <message>
        <source>%1: the file does not exist.</source>
        <translation>%1: ファイルがありません。</translation>
    </message>
    <message>
        <source>%1: this is a folder, not a picture file.</source>
        <translation>%1: これはフォルダーで、画像ファイルではありません。</translation>
    </message>
    <message>
        <source>%1: not a picture file that can be read (%2).</source>
        <translation>%1: 読み込める画像ファイルではありません（%2）。</translation>
    </message>
    <message>
        <source>%1: the file ends before its picture does; it is damaged or was not copied whole.</source>
        <translation>%1: 画像の途中でファイルが終わっています。壊れているか、最後までコピーされていません。</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>保存する画像がありません。</translation>
    </message>
</context>
<context>
    <name>lume::PortDiagnostics</name>
    <message>
        <source>process %1</source>
        <translation>プロセス %1</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>See what the kernel said when the adapter was plugged in: sudo dmesg | tail -n 20 (look for ttyUSB or ttyACM). Check that its driver is loaded: lsmod | grep -E &apos;ch341|pl2303|ftdi_sio|cp210x|cdc_acm&apos;, and load the one for your adapter&apos;s chip, for example: sudo modprobe ch341</source>
        <translation>アダプターを差し込んだときのカーネルのメッセージを確認してください: sudo dmesg | tail -n 20（ttyUSB か ttyACM を探します）。ドライバーが読み込まれているか確認してください: lsmod | grep -E &apos;ch341|pl2303|ftdi_sio|cp210x|cdc_acm&apos; 。読み込まれていなければ、アダプターのチップに合うものを読み込んでください。例: sudo modprobe ch341</translation>
    </message>
    <message>
        <source>%1 belongs to the group %2, and your user %3 was added to %2 after this session began: the session still runs without it.</source>
        <translation>%1 はグループ %2 に属していますが、ユーザー %3 が %2 に追加されたのはこのセッションの開始後です。このセッションにはまだ反映されていません。</translation>
    </message>
    <message>
        <source>Log out and log in again (a new terminal window is not enough); for this terminal only: newgrp %1</source>
        <translation>いったんログアウトして、ログインし直してください（新しい端末ウィンドウを開くだけでは不十分です）。この端末だけなら: newgrp %1</translation>
    </message>
    <message>
        <source>%1 belongs to the group %2 (%3), and your user %4 is not in it.</source>
        <translation>%1 はグループ %2（%3）に属していますが、ユーザー %4 はこのグループに入っていません。</translation>
    </message>
    <message>
        <source>Add your user to the group, then log out and log in again: sudo usermod -aG %1 %2</source>
        <translation>ユーザーをこのグループに追加してから、ログインし直してください: sudo usermod -aG %1 %2</translation>
    </message>
    <message>
        <source>%1 (%2, group %3) lets no group use it.</source>
        <translation>%1（%2、グループ %3）はどのグループにも使用を許可していません。</translation>
    </message>
    <message>
        <source>Let the group dialout use it with a udev rule: echo &apos;SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%1&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;&apos; | sudo tee /etc/udev/rules.d/70-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger; then: sudo usermod -aG dialout %2, and log in again</source>
        <translation>udev ルールでグループ dialout に使用を許可してください: echo &apos;SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%1&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;&apos; | sudo tee /etc/udev/rules.d/70-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger 。次に sudo usermod -aG dialout %2 を実行して、ログインし直してください</translation>
    </message>
    <message>
        <source>%1 is in use by %2.</source>
        <translation>%1 は %2 が使用中です。</translation>
    </message>
    <message>
        <source>The lock file %1 names no process; if no program uses the port, remove it: sudo rm %1</source>
        <translation>ロックファイル %1 にはプロセスが書かれていません。このポートを使っているプログラムがなければ削除してください: sudo rm %1</translation>
    </message>
    <message>
        <source>The lock file %1 was left by process %2, which has ended; remove it: sudo rm %1</source>
        <translation>ロックファイル %1 は終了したプロセス %2 が残したものです。削除してください: sudo rm %1</translation>
    </message>
    <message>
        <source>ModemManager probes every newly plugged serial adapter for a few seconds: wait a moment and send again. To keep it away from the badge&apos;s adapter for good: echo &apos;%1, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;&apos; | sudo tee /etc/udev/rules.d/99-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules, then plug the adapter in again.</source>
        <translation>ModemManager は新しく差し込まれたシリアルアダプターを数秒間調べます。少し待ってから送信し直してください。バッジのアダプターに今後いっさい触れさせないには: echo &apos;%1, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;&apos; | sudo tee /etc/udev/rules.d/99-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules を実行してから、アダプターを差し直してください。</translation>
    </message>
    <message>
        <source>brltty (the braille display service) claims CH340 and other serial adapters. If you use no braille display, remove it: sudo apt remove brltty (or stop it for good: sudo systemctl mask brltty-udev.service brltty.service), then plug the adapter in again.</source>
        <translation>brltty（点字ディスプレイのサービス）は CH340 などのシリアルアダプターを占有します。点字ディスプレイを使っていなければ削除してください: sudo apt remove brltty（恒久的に止めるだけなら: sudo systemctl mask brltty-udev.service brltty.service）。その後、アダプターを差し直してください。</translation>
    </message>
    <message>
        <source>The terminal program %1 has the port open: quit it, or end it: kill %2</source>
        <translation>端末プログラム %1 がポートを開いています。終了するか、強制終了してください: kill %2</translation>
    </message>
    <message>
        <source>Close %1, or end it: kill %2</source>
        <translation>%1 を閉じるか、終了させてください: kill %2</translation>
    </message>
    <message>
        <source>%1 is locked by a lock file that no running program holds.</source>
        <translation>%1 はロックファイルでロックされていますが、それを持つ実行中のプログラムはありません。</translation>
    </message>
    <message>
        <source>Another program holds this port (%1), but which one cannot be seen from this user.</source>
        <translation>別のプログラムがこのポート（%1）を使っていますが、このユーザーからはどれかわかりません。</translation>
    </message>
    <message>
        <source>Find it with: sudo fuser -v %1 (or sudo lsof %1), then close it. Often it is ModemManager for a few seconds after plugging in, brltty, or a forgotten screen or minicom.</source>
        <translation>次のコマンドで探して閉じてください: sudo fuser -v %1（または sudo lsof %1）。差し込んだ直後の数秒間の ModemManager、brltty、閉じ忘れた screen や minicom であることがよくあります。</translation>
    </message>
    <message>
        <source>%1 is not there any more: its adapter was unplugged, or its driver let it go.</source>
        <translation>%1 はもうありません。アダプターが抜かれたか、ドライバーが手放しました。</translation>
    </message>
    <message>
        <source>Check the badge&apos;s cable, plug the adapter in again, then open the port list again and choose its port.</source>
        <translation>バッジのケーブルを確認し、アダプターを差し直してから、ポートの一覧をもう一度開いてそのポートを選んでください。</translation>
    </message>
    <message>
        <source>No serial device was found on this machine.</source>
        <translation>このコンピューターにはシリアルデバイスが見つかりませんでした。</translation>
    </message>
    <message>
        <source>Check the badge&apos;s cable and that its adapter is plugged in (try another USB socket).</source>
        <translation>バッジのケーブルと、アダプターが差し込まれていることを確認してください（別の USB ポートも試してください）。</translation>
    </message>
    <message>
        <source>%1 is not a serial port on this machine now.</source>
        <translation>%1 は現在このコンピューターのシリアルポートではありません。</translation>
    </message>
    <message>
        <source>This port</source>
        <translation>このポート</translation>
    </message>
    <message>
        <source>See the ports there are with: lumesend --list-ports (or open the port list again), and check the badge&apos;s cable.</source>
        <translation>lumesend --list-ports で今あるポートを確認し（またはポートの一覧を開き直し）、バッジのケーブルを確認してください。</translation>
    </message>
    <message>
        <source>%1 is the system console; a badge stream is never written there.</source>
        <translation>%1 はシステムコンソールです。バッジのデータをそこへ書き込むことはありません。</translation>
    </message>
    <message>
        <source>%1 is no serial device.</source>
        <translation>%1 はシリアルデバイスではありません。</translation>
    </message>
    <message>
        <source>%1 can be opened by this user now.</source>
        <translation>%1 は現在このユーザーで開けます。</translation>
    </message>
    <message>
        <source>It is open in %1 as well, which may disturb the transfer.</source>
        <translation>%1 でも開かれているため、転送が乱れることがあります。</translation>
    </message>
    <message>
        <source>The system refuses %1 to this user (%2), though its owner, group and mode allow it.</source>
        <translation>%1 の所有者・グループ・モードでは許可されているのに、システムがこのユーザーの使用を拒否しています（%2）。</translation>
    </message>
    <message>
        <source>Look for an access list or a security policy: getfacl %1; ls -lZ %1</source>
        <translation>アクセス制御リストやセキュリティーポリシーを確認してください: getfacl %1; ls -lZ %1</translation>
    </message>
    <message>
        <source>Your user may not use this serial port. On Linux, add yourself to the group that owns it (usually &quot;dialout&quot;: sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>このユーザーはこのシリアルポートを使えません。Linux では、ポートを所有するグループ（通常は「dialout」: sudo usermod -aG dialout $USER）に自分を追加してから、ログインし直してください。</translation>
    </message>
    <message>
        <source>The udev rule %1 gives this adapter (%2, %3) to the user at the machine&apos;s seat (%4): a session at the machine&apos;s own screen and keyboard, while it is the active one. It does not apply to a remote login (ssh) or to a session in the background. If you sit at the machine, let udev apply it (the adapter may have been plugged in before the rule came): sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</source>
        <translation>udev ルール %1 は、このアダプター（%2、%3）をこのコンピューターのシート（%4）のユーザーに割り当てます。対象は、このコンピューター自身の画面とキーボードで使われていて、かつアクティブなセッションです。リモートログイン（ssh）やバックグラウンドのセッションには適用されません。このコンピューターの前にいる場合は、udev にルールを適用させてください（ルールができる前にアダプターが差し込まれていたのかもしれません）: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</translation>
    </message>
    <message>
        <source>The udev rule %1 gives the common USB serial adapters (FTDI, CH340, PL2303, CP210x) to the user at the machine&apos;s seat; this adapter (%2) is not among them, so the group that owns the device is the way in.</source>
        <translation>udev ルール %1 は、一般的な USB シリアルアダプター（FTDI、CH340、PL2303、CP210x）をこのコンピューターのシートのユーザーに割り当てますが、このアダプター（%2）はその中に含まれていません。このため、デバイスを所有するグループに入って使う必要があります。</translation>
    </message>
    <message>
        <source>ModemManager holds the adapter (%1), though the udev rule %2 tells it to leave this adapter alone: the rule was not applied to it. Apply it and plug the adapter in again: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</source>
        <translation>udev ルール %2 はこのアダプターに触れないよう ModemManager に指示していますが、ModemManager がアダプター（%1）を使用しています。ルールがこのアダプターに適用されていません。次のコマンドでルールを適用してから、アダプターを差し直してください: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</translation>
    </message>
    <message>
        <source>brltty (PID %1) is running and may have claimed the adapter: the kernel&apos;s log then shows &quot;interface 0 claimed by ... while &apos;brltty&apos; sets config&quot; (sudo dmesg | grep brltty).</source>
        <translation>brltty（PID %1）が実行中で、アダプターを占有しているかもしれません。その場合、カーネルのログに「interface 0 claimed by ... while &apos;brltty&apos; sets config」と表示されます（sudo dmesg | grep brltty）。</translation>
    </message>
</context>
<context>
    <name>lume::PortInfo</name>
    <message>
        <source>virtual badge</source>
        <translation>仮想バッジ</translation>
    </message>
    <message>
        <source>USB serial adapter</source>
        <translation>USB シリアルアダプター</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>内蔵シリアルポート</translation>
    </message>
</context>
<context>
    <name>lume::QtSerialControl</name>
    <message>
        <source>&quot;%1&quot; are no line settings of the form &quot;1200,n,8,1&quot;</source>
        <translation>「%1」は「1200,n,8,1」の形の回線設定ではありません</translation>
    </message>
    <message>
        <source>the port is already open</source>
        <translation>ポートはすでに開いています</translation>
    </message>
    <message>
        <source>COM%1 is not a serial port on this machine</source>
        <translation>COM%1 はこのコンピューターのシリアルポートではありません</translation>
    </message>
    <message>
        <source>the port is in use by another program (%1)</source>
        <translation>ポートは別のプログラムが使用中です（%1）</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>ポートが開いていません</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes were queued</source>
        <translation>%2 バイトのうち %1 バイトしか送信キューに入りませんでした</translation>
    </message>
</context>
<context>
    <name>lume::SendProfile</name>
    <message>
        <source>Sending...</source>
        <translation>送信中…</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>お待ちください</translation>
    </message>
    <message>
        <source>Sending!</source>
        <translation>送信中です。</translation>
    </message>
    <message>
        <source>Waits</source>
        <translation>お待ちください</translation>
    </message>
</context>
<context>
    <name>lume::UsageMeter</name>
    <message>
        <source>%1 of %2 column bytes: %3 more than the badge holds</source>
        <translation>%2 列バイト中 %1 列バイトを使用：バッジの容量を %3 列バイト超えています</translation>
    </message>
    <message>
        <source>%1 of %2 column bytes</source>
        <translation>%2 列バイト中 %1 列バイトを使用</translation>
    </message>
</context>
</TS>
