<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>信息1</translation>
    </message>
    <message>
        <source>Message2</source>
        <translation>信息2</translation>
    </message>
    <message>
        <source>Message3</source>
        <translation>信息3</translation>
    </message>
    <message>
        <source>Message4</source>
        <translation>信息4</translation>
    </message>
    <message>
        <source>Message5</source>
        <translation>信息5</translation>
    </message>
    <message>
        <source>Message6</source>
        <translation>信息6</translation>
    </message>
    <message>
        <source>Message7</source>
        <translation>信息7</translation>
    </message>
    <message>
        <source>Message8</source>
        <translation>信息8</translation>
    </message>
    <message>
        <source>Message1 Show Image:</source>
        <translation>信息1 显示图像：</translation>
    </message>
    <message>
        <source>Font Name:</source>
        <translation>字体名称：</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>字体大小：</translation>
    </message>
    <message>
        <source>Font Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Move Direction:</source>
        <translation>移动方向：</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Move Speed:</source>
        <translation>移动速度：</translation>
    </message>
    <message>
        <source>Message2 Show Image:</source>
        <translation>信息2 显示图像：</translation>
    </message>
    <message>
        <source>Message3 Show Image:</source>
        <translation>信息3 显示图像：</translation>
    </message>
    <message>
        <source>Message4 Show Image:</source>
        <translation>信息4 显示图像：</translation>
    </message>
    <message>
        <source>Message5 Show Image:</source>
        <translation>信息5 显示图像：</translation>
    </message>
    <message>
        <source>Message6 Show Image:</source>
        <translation>信息6 显示图像：</translation>
    </message>
    <message>
        <source>Message7 Show Image:</source>
        <translation>信息7 显示图像：</translation>
    </message>
    <message>
        <source>Message8 Show Image:</source>
        <translation>信息8 显示图像：</translation>
    </message>
    <message>
        <source>Top Location Adjust:</source>
        <translation>上下位置调整：</translation>
    </message>
    <message>
        <source>Up Paste Text</source>
        <translation>绘制文字</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>载入图片</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Used-&gt;</source>
        <translation>已用-&gt;</translation>
    </message>
    <message>
        <source>&lt;-Free</source>
        <translation>&lt;-剩余</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Message 1 preview</source>
        <translation>信息1 预览</translation>
    </message>
    <message>
        <source>The drawing of message 1, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>信息1 的画面，4096 x 12 像素：其中的红色像素会在胸牌上亮起；用下方的滚动条移动画面</translation>
    </message>
    <message>
        <source>Message 1 preview position</source>
        <translation>信息1 预览位置</translation>
    </message>
    <message>
        <source>Message 1 text</source>
        <translation>信息1 文字</translation>
    </message>
    <message>
        <source>Message 1 font name</source>
        <translation>信息1 字体名称</translation>
    </message>
    <message>
        <source>Message 1 font size</source>
        <translation>信息1 字体大小</translation>
    </message>
    <message>
        <source>Message 1 font bold</source>
        <translation>信息1 粗体</translation>
    </message>
    <message>
        <source>Message 1 direction</source>
        <translation>信息1 移动方向</translation>
    </message>
    <message>
        <source>Message 1 flash</source>
        <translation>信息1 闪烁</translation>
    </message>
    <message>
        <source>Message 1 speed</source>
        <translation>信息1 移动速度</translation>
    </message>
    <message>
        <source>Message 2 preview</source>
        <translation>信息2 预览</translation>
    </message>
    <message>
        <source>The drawing of message 2, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>信息2 的画面，4096 x 12 像素：其中的红色像素会在胸牌上亮起；用下方的滚动条移动画面</translation>
    </message>
    <message>
        <source>Message 2 preview position</source>
        <translation>信息2 预览位置</translation>
    </message>
    <message>
        <source>Message 2 text</source>
        <translation>信息2 文字</translation>
    </message>
    <message>
        <source>Message 2 font name</source>
        <translation>信息2 字体名称</translation>
    </message>
    <message>
        <source>Message 2 font size</source>
        <translation>信息2 字体大小</translation>
    </message>
    <message>
        <source>Message 2 font bold</source>
        <translation>信息2 粗体</translation>
    </message>
    <message>
        <source>Message 2 direction</source>
        <translation>信息2 移动方向</translation>
    </message>
    <message>
        <source>Message 2 flash</source>
        <translation>信息2 闪烁</translation>
    </message>
    <message>
        <source>Message 2 speed</source>
        <translation>信息2 移动速度</translation>
    </message>
    <message>
        <source>Message 3 preview</source>
        <translation>信息3 预览</translation>
    </message>
    <message>
        <source>The drawing of message 3, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>信息3 的画面，4096 x 12 像素：其中的红色像素会在胸牌上亮起；用下方的滚动条移动画面</translation>
    </message>
    <message>
        <source>Message 3 preview position</source>
        <translation>信息3 预览位置</translation>
    </message>
    <message>
        <source>Message 3 text</source>
        <translation>信息3 文字</translation>
    </message>
    <message>
        <source>Message 3 font name</source>
        <translation>信息3 字体名称</translation>
    </message>
    <message>
        <source>Message 3 font size</source>
        <translation>信息3 字体大小</translation>
    </message>
    <message>
        <source>Message 3 font bold</source>
        <translation>信息3 粗体</translation>
    </message>
    <message>
        <source>Message 3 direction</source>
        <translation>信息3 移动方向</translation>
    </message>
    <message>
        <source>Message 3 flash</source>
        <translation>信息3 闪烁</translation>
    </message>
    <message>
        <source>Message 3 speed</source>
        <translation>信息3 移动速度</translation>
    </message>
    <message>
        <source>Message 4 preview</source>
        <translation>信息4 预览</translation>
    </message>
    <message>
        <source>The drawing of message 4, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>信息4 的画面，4096 x 12 像素：其中的红色像素会在胸牌上亮起；用下方的滚动条移动画面</translation>
    </message>
    <message>
        <source>Message 4 preview position</source>
        <translation>信息4 预览位置</translation>
    </message>
    <message>
        <source>Message 4 text</source>
        <translation>信息4 文字</translation>
    </message>
    <message>
        <source>Message 4 font name</source>
        <translation>信息4 字体名称</translation>
    </message>
    <message>
        <source>Message 4 font size</source>
        <translation>信息4 字体大小</translation>
    </message>
    <message>
        <source>Message 4 font bold</source>
        <translation>信息4 粗体</translation>
    </message>
    <message>
        <source>Message 4 direction</source>
        <translation>信息4 移动方向</translation>
    </message>
    <message>
        <source>Message 4 flash</source>
        <translation>信息4 闪烁</translation>
    </message>
    <message>
        <source>Message 4 speed</source>
        <translation>信息4 移动速度</translation>
    </message>
    <message>
        <source>Message 5 preview</source>
        <translation>信息5 预览</translation>
    </message>
    <message>
        <source>The drawing of message 5, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>信息5 的画面，4096 x 12 像素：其中的红色像素会在胸牌上亮起；用下方的滚动条移动画面</translation>
    </message>
    <message>
        <source>Message 5 preview position</source>
        <translation>信息5 预览位置</translation>
    </message>
    <message>
        <source>Message 5 text</source>
        <translation>信息5 文字</translation>
    </message>
    <message>
        <source>Message 5 font name</source>
        <translation>信息5 字体名称</translation>
    </message>
    <message>
        <source>Message 5 font size</source>
        <translation>信息5 字体大小</translation>
    </message>
    <message>
        <source>Message 5 font bold</source>
        <translation>信息5 粗体</translation>
    </message>
    <message>
        <source>Message 5 direction</source>
        <translation>信息5 移动方向</translation>
    </message>
    <message>
        <source>Message 5 flash</source>
        <translation>信息5 闪烁</translation>
    </message>
    <message>
        <source>Message 5 speed</source>
        <translation>信息5 移动速度</translation>
    </message>
    <message>
        <source>Message 6 preview</source>
        <translation>信息6 预览</translation>
    </message>
    <message>
        <source>The drawing of message 6, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>信息6 的画面，4096 x 12 像素：其中的红色像素会在胸牌上亮起；用下方的滚动条移动画面</translation>
    </message>
    <message>
        <source>Message 6 preview position</source>
        <translation>信息6 预览位置</translation>
    </message>
    <message>
        <source>Message 6 text</source>
        <translation>信息6 文字</translation>
    </message>
    <message>
        <source>Message 6 font name</source>
        <translation>信息6 字体名称</translation>
    </message>
    <message>
        <source>Message 6 font size</source>
        <translation>信息6 字体大小</translation>
    </message>
    <message>
        <source>Message 6 font bold</source>
        <translation>信息6 粗体</translation>
    </message>
    <message>
        <source>Message 6 direction</source>
        <translation>信息6 移动方向</translation>
    </message>
    <message>
        <source>Message 6 flash</source>
        <translation>信息6 闪烁</translation>
    </message>
    <message>
        <source>Message 6 speed</source>
        <translation>信息6 移动速度</translation>
    </message>
    <message>
        <source>Message 7 preview</source>
        <translation>信息7 预览</translation>
    </message>
    <message>
        <source>The drawing of message 7, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>信息7 的画面，4096 x 12 像素：其中的红色像素会在胸牌上亮起；用下方的滚动条移动画面</translation>
    </message>
    <message>
        <source>Message 7 preview position</source>
        <translation>信息7 预览位置</translation>
    </message>
    <message>
        <source>Message 7 text</source>
        <translation>信息7 文字</translation>
    </message>
    <message>
        <source>Message 7 font name</source>
        <translation>信息7 字体名称</translation>
    </message>
    <message>
        <source>Message 7 font size</source>
        <translation>信息7 字体大小</translation>
    </message>
    <message>
        <source>Message 7 font bold</source>
        <translation>信息7 粗体</translation>
    </message>
    <message>
        <source>Message 7 direction</source>
        <translation>信息7 移动方向</translation>
    </message>
    <message>
        <source>Message 7 flash</source>
        <translation>信息7 闪烁</translation>
    </message>
    <message>
        <source>Message 7 speed</source>
        <translation>信息7 移动速度</translation>
    </message>
    <message>
        <source>Message 8 preview</source>
        <translation>信息8 预览</translation>
    </message>
    <message>
        <source>The drawing of message 8, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>信息8 的画面，4096 x 12 像素：其中的红色像素会在胸牌上亮起；用下方的滚动条移动画面</translation>
    </message>
    <message>
        <source>Message 8 preview position</source>
        <translation>信息8 预览位置</translation>
    </message>
    <message>
        <source>Message 8 text</source>
        <translation>信息8 文字</translation>
    </message>
    <message>
        <source>Message 8 font name</source>
        <translation>信息8 字体名称</translation>
    </message>
    <message>
        <source>Message 8 font size</source>
        <translation>信息8 字体大小</translation>
    </message>
    <message>
        <source>Message 8 font bold</source>
        <translation>信息8 粗体</translation>
    </message>
    <message>
        <source>Message 8 direction</source>
        <translation>信息8 移动方向</translation>
    </message>
    <message>
        <source>Message 8 flash</source>
        <translation>信息8 闪烁</translation>
    </message>
    <message>
        <source>Message 8 speed</source>
        <translation>信息8 移动速度</translation>
    </message>
    <message>
        <source>Top location adjust</source>
        <translation>上下位置调整</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>发送进度</translation>
    </message>
    <message>
        <source>Usage meter</source>
        <translation>用量条</translation>
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
        <translation>选择</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>显示文字</translation>
    </message>
    <message>
        <source>Move Speed</source>
        <translation>移动速度</translation>
    </message>
    <message>
        <source>Move Direction</source>
        <translation>移动方向</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Used --&gt;</source>
        <translation>已用 --&gt;</translation>
    </message>
    <message>
        <source>&lt;-- Free</source>
        <translation>&lt;-- 剩余</translation>
    </message>
    <message>
        <source>Message 1 selected</source>
        <translation>选择信息1</translation>
    </message>
    <message>
        <source>Message 1 text</source>
        <translation>信息1 文字</translation>
    </message>
    <message>
        <source>Message 1 speed</source>
        <translation>信息1 移动速度</translation>
    </message>
    <message>
        <source>Message 1 direction</source>
        <translation>信息1 移动方向</translation>
    </message>
    <message>
        <source>Message 1 flash</source>
        <translation>信息1 闪烁</translation>
    </message>
    <message>
        <source>Message 2 selected</source>
        <translation>选择信息2</translation>
    </message>
    <message>
        <source>Message 2 text</source>
        <translation>信息2 文字</translation>
    </message>
    <message>
        <source>Message 2 speed</source>
        <translation>信息2 移动速度</translation>
    </message>
    <message>
        <source>Message 2 direction</source>
        <translation>信息2 移动方向</translation>
    </message>
    <message>
        <source>Message 2 flash</source>
        <translation>信息2 闪烁</translation>
    </message>
    <message>
        <source>Message 3 selected</source>
        <translation>选择信息3</translation>
    </message>
    <message>
        <source>Message 3 text</source>
        <translation>信息3 文字</translation>
    </message>
    <message>
        <source>Message 3 speed</source>
        <translation>信息3 移动速度</translation>
    </message>
    <message>
        <source>Message 3 direction</source>
        <translation>信息3 移动方向</translation>
    </message>
    <message>
        <source>Message 3 flash</source>
        <translation>信息3 闪烁</translation>
    </message>
    <message>
        <source>Message 4 selected</source>
        <translation>选择信息4</translation>
    </message>
    <message>
        <source>Message 4 text</source>
        <translation>信息4 文字</translation>
    </message>
    <message>
        <source>Message 4 speed</source>
        <translation>信息4 移动速度</translation>
    </message>
    <message>
        <source>Message 4 direction</source>
        <translation>信息4 移动方向</translation>
    </message>
    <message>
        <source>Message 4 flash</source>
        <translation>信息4 闪烁</translation>
    </message>
    <message>
        <source>Message 5 selected</source>
        <translation>选择信息5</translation>
    </message>
    <message>
        <source>Message 5 text</source>
        <translation>信息5 文字</translation>
    </message>
    <message>
        <source>Message 5 speed</source>
        <translation>信息5 移动速度</translation>
    </message>
    <message>
        <source>Message 5 direction</source>
        <translation>信息5 移动方向</translation>
    </message>
    <message>
        <source>Message 5 flash</source>
        <translation>信息5 闪烁</translation>
    </message>
    <message>
        <source>Message 6 selected</source>
        <translation>选择信息6</translation>
    </message>
    <message>
        <source>Message 6 text</source>
        <translation>信息6 文字</translation>
    </message>
    <message>
        <source>Message 6 speed</source>
        <translation>信息6 移动速度</translation>
    </message>
    <message>
        <source>Message 6 direction</source>
        <translation>信息6 移动方向</translation>
    </message>
    <message>
        <source>Message 6 flash</source>
        <translation>信息6 闪烁</translation>
    </message>
    <message>
        <source>Message 7 selected</source>
        <translation>选择信息7</translation>
    </message>
    <message>
        <source>Message 7 text</source>
        <translation>信息7 文字</translation>
    </message>
    <message>
        <source>Message 7 speed</source>
        <translation>信息7 移动速度</translation>
    </message>
    <message>
        <source>Message 7 direction</source>
        <translation>信息7 移动方向</translation>
    </message>
    <message>
        <source>Message 7 flash</source>
        <translation>信息7 闪烁</translation>
    </message>
    <message>
        <source>Message 8 selected</source>
        <translation>选择信息8</translation>
    </message>
    <message>
        <source>Message 8 text</source>
        <translation>信息8 文字</translation>
    </message>
    <message>
        <source>Message 8 speed</source>
        <translation>信息8 移动速度</translation>
    </message>
    <message>
        <source>Message 8 direction</source>
        <translation>信息8 移动方向</translation>
    </message>
    <message>
        <source>Message 8 flash</source>
        <translation>信息8 闪烁</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>发送进度</translation>
    </message>
    <message>
        <source>Usage meter</source>
        <translation>用量条</translation>
    </message>
</context>
<context>
    <name>QImageReader</name>
    <message>
        <source>Unsupported image format</source>
        <translation>不支持的图像格式</translation>
    </message>
    <message>
        <source>Unable to read image data</source>
        <translation>无法读取图像数据</translation>
    </message>
</context>
<context>
    <name>lume::BadgeSender</name>
    <message>
        <source>Set Port Number Error!</source>
        <translation>端口号设置错误！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Port in use or not port</source>
        <translation>端口被占用或不是串口</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Open port fail!</source>
        <translation>打开端口失败！</translation>
    </message>
</context>
<context>
    <name>lume::FileDialogs</name>
    <message>
        <source>Pictures</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
</context>
<context>
    <name>lume::FontPictureWindow</name>
    <message>
        <source>Not Images or Text! Don&apos;t Sending!</source>
        <translation>没有图片或文字，不发送！</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Sending! Are you exit?</source>
        <translation>正在发送！确定要退出吗？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Cannot open picture</source>
        <translation>无法打开图片</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>载入图片</translation>
    </message>
    <message>
        <source>Cannot save picture</source>
        <translation>无法保存图片</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>Picture(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico</source>
        <translation>图片(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico</translation>
    </message>
    <message>
        <source>Picture(*.bmp)|*.bmp</source>
        <translation>图片(*.bmp)|*.bmp</translation>
    </message>
</context>
<context>
    <name>lume::Form1</name>
    <message>
        <source>No Sending Text! Do Not Send!</source>
        <translation>没有要发送的文字，不发送！</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Sending datas to Display! Are you exit?</source>
        <translation>正在向胸牌发送数据！确定要退出吗？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Font file &quot;%1&quot; not found!</source>
        <translation>找不到字库文件“%1”！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Scriptlume looks for its dot-font files in these folders, in this order:
</source>
        <translation>Scriptlume 按以下顺序在这些文件夹中查找点阵字库文件：
</translation>
    </message>
</context>
<context>
    <name>lume::LedPreview</name>
    <message>
        <source>1 column byte</source>
        <translation>1 个列字节</translation>
    </message>
    <message>
        <source>%1 column bytes</source>
        <translation>%1 个列字节</translation>
    </message>
    <message>
        <source>Width: %1</source>
        <translation>宽度：%1</translation>
    </message>
    <message>
        <source>A badge row holds %1; the rest is not shown.</source>
        <translation>胸牌的一行只能容纳 %1，其余部分不显示。</translation>
    </message>
    <message>
        <source>Only the first %1 fits on the screen; the rest is cut.</source>
        <translation>屏幕上只显示得下前 %1，其余部分被截掉。</translation>
    </message>
    <message>
        <source>Only the first %1 fit on the screen; the rest is cut.</source>
        <translation>屏幕上只显示得下前 %1，其余部分被截掉。</translation>
    </message>
</context>
<context>
    <name>lume::MessagePreview</name>
    <message>
        <source>Font file &quot;%1&quot; not found!</source>
        <translation>找不到字库文件“%1”！</translation>
    </message>
    <message>
        <source>Scriptlume looks for its dot-font files in these folders, in this order:
</source>
        <translation>Scriptlume 按以下顺序在这些文件夹中查找点阵字库文件：
</translation>
    </message>
    <message>
        <source>1 character cannot be shown in %1: %2</source>
        <translation>有 1 个字符无法用 %1 显示：%2</translation>
    </message>
    <message>
        <source>%1 characters cannot be shown in %2: %3</source>
        <translation>有 %1 个字符无法用 %2 显示：%3</translation>
    </message>
</context>
<context>
    <name>lume::PictureIo</name>
    <message>
        <source>%1: the picture is %2 x %3 pixels, too large to decode (it would take %4 MB, at most %5 MB can be used). Only its top %6 rows reach the badge: crop it to at most %7 pixels wide and %6 high first.</source>
        <translation>%1：图片为 %2 x %3 像素，太大而无法解码（需要 %4 MB，最多只能用 %5 MB）。只有最上面的 %6 行会送到胸牌：请先把它裁剪到宽不超过 %7 像素、高不超过 %6 像素。</translation>
    </message>
    <message>
        <source>%1: the picture cannot be decoded (%2).</source>
        <translation>%1：无法解码图片（%2）。</translation>
    </message>
    <message>
        <source>%1: the file does not exist.</source>
        <translation>%1：文件不存在。</translation>
    </message>
    <message>
        <source>%1: this is a folder, not a picture file.</source>
        <translation>%1：这是文件夹，不是图片文件。</translation>
    </message>
    <message>
        <source>%1: not a picture file that can be read (%2).</source>
        <translation>%1：不是可以读取的图片文件（%2）。</translation>
    </message>
    <message>
        <source>%1: the file ends before its picture does; it is damaged or was not copied whole.</source>
        <translation>%1：图片还没结束文件就结束了，文件已损坏或没有完整复制。</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>没有可保存的图片。</translation>
    </message>
</context>
<context>
    <name>lume::PortDiagnostics</name>
    <message>
        <source>process %1</source>
        <translation>进程 %1</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>See what the kernel said when the adapter was plugged in: sudo dmesg | tail -n 20 (look for ttyUSB or ttyACM). Check that its driver is loaded: lsmod | grep -E &apos;ch341|pl2303|ftdi_sio|cp210x|cdc_acm&apos;, and load the one for your adapter&apos;s chip, for example: sudo modprobe ch341</source>
        <translation>查看插入适配器时内核输出的信息：sudo dmesg | tail -n 20（查找 ttyUSB 或 ttyACM）。检查其驱动是否已加载：lsmod | grep -E &apos;ch341|pl2303|ftdi_sio|cp210x|cdc_acm&apos;，并加载与适配器芯片对应的驱动，例如：sudo modprobe ch341</translation>
    </message>
    <message>
        <source>%1 belongs to the group %2, and your user %3 was added to %2 after this session began: the session still runs without it.</source>
        <translation>%1 属于用户组 %2，而你的用户 %3 是在本次会话开始后才加入 %2 的：当前会话仍然没有该组的权限。</translation>
    </message>
    <message>
        <source>Log out and log in again (a new terminal window is not enough); for this terminal only: newgrp %1</source>
        <translation>请注销后重新登录（仅打开新的终端窗口是不够的）；只对当前终端生效：newgrp %1</translation>
    </message>
    <message>
        <source>%1 belongs to the group %2 (%3), and your user %4 is not in it.</source>
        <translation>%1 属于用户组 %2（%3），而你的用户 %4 不在该组中。</translation>
    </message>
    <message>
        <source>Add your user to the group, then log out and log in again: sudo usermod -aG %1 %2</source>
        <translation>把你的用户加入该组，然后注销并重新登录：sudo usermod -aG %1 %2</translation>
    </message>
    <message>
        <source>%1 (%2, group %3) lets no group use it.</source>
        <translation>%1（%2，用户组 %3）不允许任何用户组使用。</translation>
    </message>
    <message>
        <source>Let the group dialout use it with a udev rule: echo &apos;SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%1&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;&apos; | sudo tee /etc/udev/rules.d/70-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger; then: sudo usermod -aG dialout %2, and log in again</source>
        <translation>用一条 udev 规则让 dialout 组可以使用它：echo &apos;SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%1&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;&apos; | sudo tee /etc/udev/rules.d/70-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger；然后执行：sudo usermod -aG dialout %2，并重新登录</translation>
    </message>
    <message>
        <source>%1 is in use by %2.</source>
        <translation>%1 正被 %2 占用。</translation>
    </message>
    <message>
        <source>The lock file %1 names no process; if no program uses the port, remove it: sudo rm %1</source>
        <translation>锁文件 %1 没有写明任何进程；如果没有程序在使用该端口，请删除它：sudo rm %1</translation>
    </message>
    <message>
        <source>The lock file %1 was left by process %2, which has ended; remove it: sudo rm %1</source>
        <translation>锁文件 %1 是已结束的进程 %2 留下的，请删除它：sudo rm %1</translation>
    </message>
    <message>
        <source>ModemManager probes every newly plugged serial adapter for a few seconds: wait a moment and send again. To keep it away from the badge&apos;s adapter for good: echo &apos;%1, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;&apos; | sudo tee /etc/udev/rules.d/99-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules, then plug the adapter in again.</source>
        <translation>ModemManager 会对每个新插入的串口适配器探测几秒钟：请稍等片刻再发送。要让它永远不碰胸牌的适配器：echo &apos;%1, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;&apos; | sudo tee /etc/udev/rules.d/99-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules，然后重新插入适配器。</translation>
    </message>
    <message>
        <source>brltty (the braille display service) claims CH340 and other serial adapters. If you use no braille display, remove it: sudo apt remove brltty (or stop it for good: sudo systemctl mask brltty-udev.service brltty.service), then plug the adapter in again.</source>
        <translation>brltty（盲文显示器服务）会占用 CH340 等串口适配器。如果你不使用盲文显示器，请卸载它：sudo apt remove brltty（或者永久停用它：sudo systemctl mask brltty-udev.service brltty.service），然后重新插入适配器。</translation>
    </message>
    <message>
        <source>The terminal program %1 has the port open: quit it, or end it: kill %2</source>
        <translation>终端程序 %1 打开了该端口：请退出它，或结束它：kill %2</translation>
    </message>
    <message>
        <source>Close %1, or end it: kill %2</source>
        <translation>请关闭 %1，或结束它：kill %2</translation>
    </message>
    <message>
        <source>%1 is locked by a lock file that no running program holds.</source>
        <translation>%1 被一个锁文件锁定，但没有正在运行的程序持有它。</translation>
    </message>
    <message>
        <source>Another program holds this port (%1), but which one cannot be seen from this user.</source>
        <translation>另一个程序占用着该端口（%1），但以当前用户看不出是哪一个。</translation>
    </message>
    <message>
        <source>Find it with: sudo fuser -v %1 (or sudo lsof %1), then close it. Often it is ModemManager for a few seconds after plugging in, brltty, or a forgotten screen or minicom.</source>
        <translation>用以下命令找出它：sudo fuser -v %1（或 sudo lsof %1），然后关闭它。常见的是刚插入后几秒钟内的 ModemManager、brltty，或者忘了关的 screen、minicom。</translation>
    </message>
    <message>
        <source>%1 is not there any more: its adapter was unplugged, or its driver let it go.</source>
        <translation>%1 已不存在：它的适配器已被拔出，或者驱动已释放它。</translation>
    </message>
    <message>
        <source>Check the badge&apos;s cable, plug the adapter in again, then open the port list again and choose its port.</source>
        <translation>请检查胸牌的数据线，重新插入适配器，然后再次打开端口列表并选择它的端口。</translation>
    </message>
    <message>
        <source>No serial device was found on this machine.</source>
        <translation>这台计算机上没有找到串口设备。</translation>
    </message>
    <message>
        <source>Check the badge&apos;s cable and that its adapter is plugged in (try another USB socket).</source>
        <translation>请检查胸牌的数据线，并确认它的适配器已插好（试试另一个 USB 接口）。</translation>
    </message>
    <message>
        <source>%1 is not a serial port on this machine now.</source>
        <translation>%1 目前不是这台计算机上的串口。</translation>
    </message>
    <message>
        <source>This port</source>
        <translation>该端口</translation>
    </message>
    <message>
        <source>See the ports there are with: lumesend --list-ports (or open the port list again), and check the badge&apos;s cable.</source>
        <translation>用 lumesend --list-ports 查看现有的端口（或重新打开端口列表），并检查胸牌的数据线。</translation>
    </message>
    <message>
        <source>%1 is the system console; a badge stream is never written there.</source>
        <translation>%1 是系统控制台；胸牌数据绝不会写到那里。</translation>
    </message>
    <message>
        <source>%1 is no serial device.</source>
        <translation>%1 不是串口设备。</translation>
    </message>
    <message>
        <source>%1 can be opened by this user now.</source>
        <translation>当前用户现在可以打开 %1。</translation>
    </message>
    <message>
        <source>It is open in %1 as well, which may disturb the transfer.</source>
        <translation>它同时也被 %1 打开，这可能会干扰传送。</translation>
    </message>
    <message>
        <source>The system refuses %1 to this user (%2), though its owner, group and mode allow it.</source>
        <translation>尽管 %1 的所有者、用户组和权限都允许，系统仍拒绝当前用户使用它（%2）。</translation>
    </message>
    <message>
        <source>Look for an access list or a security policy: getfacl %1; ls -lZ %1</source>
        <translation>请检查访问控制列表或安全策略：getfacl %1; ls -lZ %1</translation>
    </message>
    <message>
        <source>Your user may not use this serial port. On Linux, add yourself to the group that owns it (usually &quot;dialout&quot;: sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>你的用户无权使用该串口。在 Linux 上，请把自己加入拥有它的用户组（通常是“dialout”：sudo usermod -aG dialout $USER），然后注销并重新登录。</translation>
    </message>
    <message>
        <source>The udev rule %1 gives this adapter (%2, %3) to the user at the machine&apos;s seat (%4): a session at the machine&apos;s own screen and keyboard, while it is the active one. It does not apply to a remote login (ssh) or to a session in the background. If you sit at the machine, let udev apply it (the adapter may have been plugged in before the rule came): sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</source>
        <translation>udev 规则 %1 把这个适配器（%2，%3）交给本机座席（%4）上的用户使用：也就是在这台计算机自己的屏幕和键盘前登录的会话，且仅在它是当前活动会话时有效。它不适用于远程登录（ssh），也不适用于后台的会话。如果你就坐在这台计算机前，请让 udev 应用这条规则（适配器可能是在规则生效之前插入的）：sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</translation>
    </message>
    <message>
        <source>The udev rule %1 gives the common USB serial adapters (FTDI, CH340, PL2303, CP210x) to the user at the machine&apos;s seat; this adapter (%2) is not among them, so the group that owns the device is the way in.</source>
        <translation>udev 规则 %1 把常见的 USB 串口适配器（FTDI、CH340、PL2303、CP210x）交给本机座席上的用户使用；这个适配器（%2）不在其中，因此要通过拥有该设备的用户组来获得使用权限。</translation>
    </message>
    <message>
        <source>ModemManager holds the adapter (%1), though the udev rule %2 tells it to leave this adapter alone: the rule was not applied to it. Apply it and plug the adapter in again: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</source>
        <translation>ModemManager 占用着适配器（%1），尽管 udev 规则 %2 要求它不要碰这个适配器：说明这条规则没有应用到该适配器上。请应用规则，然后重新插入适配器：sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</translation>
    </message>
    <message>
        <source>brltty (PID %1) is running and may have claimed the adapter: the kernel&apos;s log then shows &quot;interface 0 claimed by ... while &apos;brltty&apos; sets config&quot; (sudo dmesg | grep brltty).</source>
        <translation>brltty（PID %1）正在运行，可能已经占用了适配器：此时内核日志中会出现“interface 0 claimed by ... while &apos;brltty&apos; sets config”（sudo dmesg | grep brltty）。</translation>
    </message>
</context>
<context>
    <name>lume::PortInfo</name>
    <message>
        <source>virtual badge</source>
        <translation>虚拟胸牌</translation>
    </message>
    <message>
        <source>USB serial adapter</source>
        <translation>USB 串口适配器</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>内置串口</translation>
    </message>
</context>
<context>
    <name>lume::QtSerialControl</name>
    <message>
        <source>&quot;%1&quot; are no line settings of the form &quot;1200,n,8,1&quot;</source>
        <translation>“%1”不是“1200,n,8,1”形式的线路设置</translation>
    </message>
    <message>
        <source>the port is already open</source>
        <translation>端口已经打开</translation>
    </message>
    <message>
        <source>COM%1 is not a serial port on this machine</source>
        <translation>COM%1 不是这台计算机上的串口</translation>
    </message>
    <message>
        <source>the port is in use by another program (%1)</source>
        <translation>端口正被另一个程序使用（%1）</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>端口没有打开</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes were queued</source>
        <translation>%2 字节中只有 %1 字节进入了发送队列</translation>
    </message>
</context>
<context>
    <name>lume::SendProfile</name>
    <message>
        <source>Sending...</source>
        <translation>正在发送…</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>请稍候</translation>
    </message>
    <message>
        <source>Sending!</source>
        <translation>正在发送！</translation>
    </message>
    <message>
        <source>Waits</source>
        <translation>请稍候</translation>
    </message>
</context>
<context>
    <name>lume::UsageMeter</name>
    <message>
        <source>%1 of %2 column bytes: %3 more than the badge holds</source>
        <translation>已用 %1 个列字节，最多可容纳 %2 个：超出 %3 个</translation>
    </message>
    <message>
        <source>%1 of %2 column bytes</source>
        <translation>已用 %1 个列字节，最多可容纳 %2 个</translation>
    </message>
</context>
</TS>
