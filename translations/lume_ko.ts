<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>FontPictureWindow</name>
    <message>
        <source>Sketchlume Ver 2.00</source>
        <translation>Sketchlume 버전 2.00</translation>
    </message>
    <message>
        <source>  Sketchlume  </source>
        <translation>  Sketchlume  </translation>
    </message>
    <message>
        <source>Message1</source>
        <translation>메시지1</translation>
    </message>
    <message>
        <source>Message2</source>
        <translation>메시지2</translation>
    </message>
    <message>
        <source>Message3</source>
        <translation>메시지3</translation>
    </message>
    <message>
        <source>Message4</source>
        <translation>메시지4</translation>
    </message>
    <message>
        <source>Message5</source>
        <translation>메시지5</translation>
    </message>
    <message>
        <source>Message6</source>
        <translation>메시지6</translation>
    </message>
    <message>
        <source>Message7</source>
        <translation>메시지7</translation>
    </message>
    <message>
        <source>Message8</source>
        <translation>메시지8</translation>
    </message>
    <message>
        <source>Message1 Show Image:</source>
        <translation>메시지1 표시 이미지:</translation>
    </message>
    <message>
        <source>Font Name:</source>
        <translation>글꼴 이름:</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>글꼴 크기:</translation>
    </message>
    <message>
        <source>Font Bold</source>
        <translation>굵게</translation>
    </message>
    <message>
        <source>Move Direction:</source>
        <translation>이동 방향:</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>점멸</translation>
    </message>
    <message>
        <source>Move Speed:</source>
        <translation>이동 속도:</translation>
    </message>
    <message>
        <source>Message2 Show Image:</source>
        <translation>메시지2 표시 이미지:</translation>
    </message>
    <message>
        <source>Message3 Show Image:</source>
        <translation>메시지3 표시 이미지:</translation>
    </message>
    <message>
        <source>Message4 Show Image:</source>
        <translation>메시지4 표시 이미지:</translation>
    </message>
    <message>
        <source>Message5 Show Image:</source>
        <translation>메시지5 표시 이미지:</translation>
    </message>
    <message>
        <source>Message6 Show Image:</source>
        <translation>메시지6 표시 이미지:</translation>
    </message>
    <message>
        <source>Message7 Show Image:</source>
        <translation>메시지7 표시 이미지:</translation>
    </message>
    <message>
        <source>Message8 Show Image:</source>
        <translation>메시지8 표시 이미지:</translation>
    </message>
    <message>
        <source>Top Location Adjust:</source>
        <translation>세로 위치 조정:</translation>
    </message>
    <message>
        <source>Up Paste Text</source>
        <translation>텍스트 그리기</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>그림 불러오기</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>그림 저장</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>포트:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Used-&gt;</source>
        <translation>사용-&gt;</translation>
    </message>
    <message>
        <source>&lt;-Free</source>
        <translation>&lt;-남음</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Message 1 preview</source>
        <translation>메시지 1 미리 보기</translation>
    </message>
    <message>
        <source>The drawing of message 1, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>메시지 1의 그림(4096 x 12 픽셀). 빨간 픽셀이 배지에서 켜집니다. 아래 스크롤 막대로 보이는 위치를 옮길 수 있습니다</translation>
    </message>
    <message>
        <source>Message 1 preview position</source>
        <translation>메시지 1 미리 보기 위치</translation>
    </message>
    <message>
        <source>Message 1 text</source>
        <translation>메시지 1 텍스트</translation>
    </message>
    <message>
        <source>Message 1 font name</source>
        <translation>메시지 1 글꼴 이름</translation>
    </message>
    <message>
        <source>Message 1 font size</source>
        <translation>메시지 1 글꼴 크기</translation>
    </message>
    <message>
        <source>Message 1 font bold</source>
        <translation>메시지 1 굵게</translation>
    </message>
    <message>
        <source>Message 1 direction</source>
        <translation>메시지 1 이동 방향</translation>
    </message>
    <message>
        <source>Message 1 flash</source>
        <translation>메시지 1 점멸</translation>
    </message>
    <message>
        <source>Message 1 speed</source>
        <translation>메시지 1 이동 속도</translation>
    </message>
    <message>
        <source>Message 2 preview</source>
        <translation>메시지 2 미리 보기</translation>
    </message>
    <message>
        <source>The drawing of message 2, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>메시지 2의 그림(4096 x 12 픽셀). 빨간 픽셀이 배지에서 켜집니다. 아래 스크롤 막대로 보이는 위치를 옮길 수 있습니다</translation>
    </message>
    <message>
        <source>Message 2 preview position</source>
        <translation>메시지 2 미리 보기 위치</translation>
    </message>
    <message>
        <source>Message 2 text</source>
        <translation>메시지 2 텍스트</translation>
    </message>
    <message>
        <source>Message 2 font name</source>
        <translation>메시지 2 글꼴 이름</translation>
    </message>
    <message>
        <source>Message 2 font size</source>
        <translation>메시지 2 글꼴 크기</translation>
    </message>
    <message>
        <source>Message 2 font bold</source>
        <translation>메시지 2 굵게</translation>
    </message>
    <message>
        <source>Message 2 direction</source>
        <translation>메시지 2 이동 방향</translation>
    </message>
    <message>
        <source>Message 2 flash</source>
        <translation>메시지 2 점멸</translation>
    </message>
    <message>
        <source>Message 2 speed</source>
        <translation>메시지 2 이동 속도</translation>
    </message>
    <message>
        <source>Message 3 preview</source>
        <translation>메시지 3 미리 보기</translation>
    </message>
    <message>
        <source>The drawing of message 3, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>메시지 3의 그림(4096 x 12 픽셀). 빨간 픽셀이 배지에서 켜집니다. 아래 스크롤 막대로 보이는 위치를 옮길 수 있습니다</translation>
    </message>
    <message>
        <source>Message 3 preview position</source>
        <translation>메시지 3 미리 보기 위치</translation>
    </message>
    <message>
        <source>Message 3 text</source>
        <translation>메시지 3 텍스트</translation>
    </message>
    <message>
        <source>Message 3 font name</source>
        <translation>메시지 3 글꼴 이름</translation>
    </message>
    <message>
        <source>Message 3 font size</source>
        <translation>메시지 3 글꼴 크기</translation>
    </message>
    <message>
        <source>Message 3 font bold</source>
        <translation>메시지 3 굵게</translation>
    </message>
    <message>
        <source>Message 3 direction</source>
        <translation>메시지 3 이동 방향</translation>
    </message>
    <message>
        <source>Message 3 flash</source>
        <translation>메시지 3 점멸</translation>
    </message>
    <message>
        <source>Message 3 speed</source>
        <translation>메시지 3 이동 속도</translation>
    </message>
    <message>
        <source>Message 4 preview</source>
        <translation>메시지 4 미리 보기</translation>
    </message>
    <message>
        <source>The drawing of message 4, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>메시지 4의 그림(4096 x 12 픽셀). 빨간 픽셀이 배지에서 켜집니다. 아래 스크롤 막대로 보이는 위치를 옮길 수 있습니다</translation>
    </message>
    <message>
        <source>Message 4 preview position</source>
        <translation>메시지 4 미리 보기 위치</translation>
    </message>
    <message>
        <source>Message 4 text</source>
        <translation>메시지 4 텍스트</translation>
    </message>
    <message>
        <source>Message 4 font name</source>
        <translation>메시지 4 글꼴 이름</translation>
    </message>
    <message>
        <source>Message 4 font size</source>
        <translation>메시지 4 글꼴 크기</translation>
    </message>
    <message>
        <source>Message 4 font bold</source>
        <translation>메시지 4 굵게</translation>
    </message>
    <message>
        <source>Message 4 direction</source>
        <translation>메시지 4 이동 방향</translation>
    </message>
    <message>
        <source>Message 4 flash</source>
        <translation>메시지 4 점멸</translation>
    </message>
    <message>
        <source>Message 4 speed</source>
        <translation>메시지 4 이동 속도</translation>
    </message>
    <message>
        <source>Message 5 preview</source>
        <translation>메시지 5 미리 보기</translation>
    </message>
    <message>
        <source>The drawing of message 5, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>메시지 5의 그림(4096 x 12 픽셀). 빨간 픽셀이 배지에서 켜집니다. 아래 스크롤 막대로 보이는 위치를 옮길 수 있습니다</translation>
    </message>
    <message>
        <source>Message 5 preview position</source>
        <translation>메시지 5 미리 보기 위치</translation>
    </message>
    <message>
        <source>Message 5 text</source>
        <translation>메시지 5 텍스트</translation>
    </message>
    <message>
        <source>Message 5 font name</source>
        <translation>메시지 5 글꼴 이름</translation>
    </message>
    <message>
        <source>Message 5 font size</source>
        <translation>메시지 5 글꼴 크기</translation>
    </message>
    <message>
        <source>Message 5 font bold</source>
        <translation>메시지 5 굵게</translation>
    </message>
    <message>
        <source>Message 5 direction</source>
        <translation>메시지 5 이동 방향</translation>
    </message>
    <message>
        <source>Message 5 flash</source>
        <translation>메시지 5 점멸</translation>
    </message>
    <message>
        <source>Message 5 speed</source>
        <translation>메시지 5 이동 속도</translation>
    </message>
    <message>
        <source>Message 6 preview</source>
        <translation>메시지 6 미리 보기</translation>
    </message>
    <message>
        <source>The drawing of message 6, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>메시지 6의 그림(4096 x 12 픽셀). 빨간 픽셀이 배지에서 켜집니다. 아래 스크롤 막대로 보이는 위치를 옮길 수 있습니다</translation>
    </message>
    <message>
        <source>Message 6 preview position</source>
        <translation>메시지 6 미리 보기 위치</translation>
    </message>
    <message>
        <source>Message 6 text</source>
        <translation>메시지 6 텍스트</translation>
    </message>
    <message>
        <source>Message 6 font name</source>
        <translation>메시지 6 글꼴 이름</translation>
    </message>
    <message>
        <source>Message 6 font size</source>
        <translation>메시지 6 글꼴 크기</translation>
    </message>
    <message>
        <source>Message 6 font bold</source>
        <translation>메시지 6 굵게</translation>
    </message>
    <message>
        <source>Message 6 direction</source>
        <translation>메시지 6 이동 방향</translation>
    </message>
    <message>
        <source>Message 6 flash</source>
        <translation>메시지 6 점멸</translation>
    </message>
    <message>
        <source>Message 6 speed</source>
        <translation>메시지 6 이동 속도</translation>
    </message>
    <message>
        <source>Message 7 preview</source>
        <translation>메시지 7 미리 보기</translation>
    </message>
    <message>
        <source>The drawing of message 7, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>메시지 7의 그림(4096 x 12 픽셀). 빨간 픽셀이 배지에서 켜집니다. 아래 스크롤 막대로 보이는 위치를 옮길 수 있습니다</translation>
    </message>
    <message>
        <source>Message 7 preview position</source>
        <translation>메시지 7 미리 보기 위치</translation>
    </message>
    <message>
        <source>Message 7 text</source>
        <translation>메시지 7 텍스트</translation>
    </message>
    <message>
        <source>Message 7 font name</source>
        <translation>메시지 7 글꼴 이름</translation>
    </message>
    <message>
        <source>Message 7 font size</source>
        <translation>메시지 7 글꼴 크기</translation>
    </message>
    <message>
        <source>Message 7 font bold</source>
        <translation>메시지 7 굵게</translation>
    </message>
    <message>
        <source>Message 7 direction</source>
        <translation>메시지 7 이동 방향</translation>
    </message>
    <message>
        <source>Message 7 flash</source>
        <translation>메시지 7 점멸</translation>
    </message>
    <message>
        <source>Message 7 speed</source>
        <translation>메시지 7 이동 속도</translation>
    </message>
    <message>
        <source>Message 8 preview</source>
        <translation>메시지 8 미리 보기</translation>
    </message>
    <message>
        <source>The drawing of message 8, 4096 by 12 pixels: its red pixels light the badge; the scroll bar below moves it</source>
        <translation>메시지 8의 그림(4096 x 12 픽셀). 빨간 픽셀이 배지에서 켜집니다. 아래 스크롤 막대로 보이는 위치를 옮길 수 있습니다</translation>
    </message>
    <message>
        <source>Message 8 preview position</source>
        <translation>메시지 8 미리 보기 위치</translation>
    </message>
    <message>
        <source>Message 8 text</source>
        <translation>메시지 8 텍스트</translation>
    </message>
    <message>
        <source>Message 8 font name</source>
        <translation>메시지 8 글꼴 이름</translation>
    </message>
    <message>
        <source>Message 8 font size</source>
        <translation>메시지 8 글꼴 크기</translation>
    </message>
    <message>
        <source>Message 8 font bold</source>
        <translation>메시지 8 굵게</translation>
    </message>
    <message>
        <source>Message 8 direction</source>
        <translation>메시지 8 이동 방향</translation>
    </message>
    <message>
        <source>Message 8 flash</source>
        <translation>메시지 8 점멸</translation>
    </message>
    <message>
        <source>Message 8 speed</source>
        <translation>메시지 8 이동 속도</translation>
    </message>
    <message>
        <source>Top location adjust</source>
        <translation>세로 위치 조정</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>전송 진행률</translation>
    </message>
    <message>
        <source>Usage meter</source>
        <translation>사용량 막대</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Scriptlume Ver 2.20</source>
        <translation>Scriptlume 버전 2.20</translation>
    </message>
    <message>
        <source>  Scriptlume  </source>
        <translation>  Scriptlume  </translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>표시 텍스트</translation>
    </message>
    <message>
        <source>Move Speed</source>
        <translation>이동 속도</translation>
    </message>
    <message>
        <source>Move Direction</source>
        <translation>이동 방향</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>점멸</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>언어:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>포트:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Used --&gt;</source>
        <translation>사용 --&gt;</translation>
    </message>
    <message>
        <source>&lt;-- Free</source>
        <translation>&lt;-- 남음</translation>
    </message>
    <message>
        <source>Message 1 selected</source>
        <translation>메시지 1 선택</translation>
    </message>
    <message>
        <source>Message 1 text</source>
        <translation>메시지 1 텍스트</translation>
    </message>
    <message>
        <source>Message 1 speed</source>
        <translation>메시지 1 이동 속도</translation>
    </message>
    <message>
        <source>Message 1 direction</source>
        <translation>메시지 1 이동 방향</translation>
    </message>
    <message>
        <source>Message 1 flash</source>
        <translation>메시지 1 점멸</translation>
    </message>
    <message>
        <source>Message 2 selected</source>
        <translation>메시지 2 선택</translation>
    </message>
    <message>
        <source>Message 2 text</source>
        <translation>메시지 2 텍스트</translation>
    </message>
    <message>
        <source>Message 2 speed</source>
        <translation>메시지 2 이동 속도</translation>
    </message>
    <message>
        <source>Message 2 direction</source>
        <translation>메시지 2 이동 방향</translation>
    </message>
    <message>
        <source>Message 2 flash</source>
        <translation>메시지 2 점멸</translation>
    </message>
    <message>
        <source>Message 3 selected</source>
        <translation>메시지 3 선택</translation>
    </message>
    <message>
        <source>Message 3 text</source>
        <translation>메시지 3 텍스트</translation>
    </message>
    <message>
        <source>Message 3 speed</source>
        <translation>메시지 3 이동 속도</translation>
    </message>
    <message>
        <source>Message 3 direction</source>
        <translation>메시지 3 이동 방향</translation>
    </message>
    <message>
        <source>Message 3 flash</source>
        <translation>메시지 3 점멸</translation>
    </message>
    <message>
        <source>Message 4 selected</source>
        <translation>메시지 4 선택</translation>
    </message>
    <message>
        <source>Message 4 text</source>
        <translation>메시지 4 텍스트</translation>
    </message>
    <message>
        <source>Message 4 speed</source>
        <translation>메시지 4 이동 속도</translation>
    </message>
    <message>
        <source>Message 4 direction</source>
        <translation>메시지 4 이동 방향</translation>
    </message>
    <message>
        <source>Message 4 flash</source>
        <translation>메시지 4 점멸</translation>
    </message>
    <message>
        <source>Message 5 selected</source>
        <translation>메시지 5 선택</translation>
    </message>
    <message>
        <source>Message 5 text</source>
        <translation>메시지 5 텍스트</translation>
    </message>
    <message>
        <source>Message 5 speed</source>
        <translation>메시지 5 이동 속도</translation>
    </message>
    <message>
        <source>Message 5 direction</source>
        <translation>메시지 5 이동 방향</translation>
    </message>
    <message>
        <source>Message 5 flash</source>
        <translation>메시지 5 점멸</translation>
    </message>
    <message>
        <source>Message 6 selected</source>
        <translation>메시지 6 선택</translation>
    </message>
    <message>
        <source>Message 6 text</source>
        <translation>메시지 6 텍스트</translation>
    </message>
    <message>
        <source>Message 6 speed</source>
        <translation>메시지 6 이동 속도</translation>
    </message>
    <message>
        <source>Message 6 direction</source>
        <translation>메시지 6 이동 방향</translation>
    </message>
    <message>
        <source>Message 6 flash</source>
        <translation>메시지 6 점멸</translation>
    </message>
    <message>
        <source>Message 7 selected</source>
        <translation>메시지 7 선택</translation>
    </message>
    <message>
        <source>Message 7 text</source>
        <translation>메시지 7 텍스트</translation>
    </message>
    <message>
        <source>Message 7 speed</source>
        <translation>메시지 7 이동 속도</translation>
    </message>
    <message>
        <source>Message 7 direction</source>
        <translation>메시지 7 이동 방향</translation>
    </message>
    <message>
        <source>Message 7 flash</source>
        <translation>메시지 7 점멸</translation>
    </message>
    <message>
        <source>Message 8 selected</source>
        <translation>메시지 8 선택</translation>
    </message>
    <message>
        <source>Message 8 text</source>
        <translation>메시지 8 텍스트</translation>
    </message>
    <message>
        <source>Message 8 speed</source>
        <translation>메시지 8 이동 속도</translation>
    </message>
    <message>
        <source>Message 8 direction</source>
        <translation>메시지 8 이동 방향</translation>
    </message>
    <message>
        <source>Message 8 flash</source>
        <translation>메시지 8 점멸</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>전송 진행률</translation>
    </message>
    <message>
        <source>Usage meter</source>
        <translation>사용량 막대</translation>
    </message>
</context>
<context>
    <name>QImageReader</name>
    <message>
        <source>Unsupported image format</source>
        <translation>지원하지 않는 그림 형식</translation>
    </message>
    <message>
        <source>Unable to read image data</source>
        <translation>그림 데이터를 읽을 수 없음</translation>
    </message>
</context>
<context>
    <name>lume::BadgeSender</name>
    <message>
        <source>Set Port Number Error!</source>
        <translation>포트 번호 설정 오류!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Port in use or not port</source>
        <translation>포트가 사용 중이거나 직렬 포트가 아닙니다</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Open port fail!</source>
        <translation>포트 열기 실패!</translation>
    </message>
</context>
<context>
    <name>lume::FileDialogs</name>
    <message>
        <source>Pictures</source>
        <translation>그림</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>모든 파일</translation>
    </message>
</context>
<context>
    <name>lume::FontPictureWindow</name>
    <message>
        <source>Not Images or Text! Don&apos;t Sending!</source>
        <translation>그림이나 텍스트가 없어 보내지 않습니다!</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Sending! Are you exit?</source>
        <translation>보내는 중입니다! 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Cannot open picture</source>
        <translation>그림을 열 수 없습니다</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>그림 불러오기</translation>
    </message>
    <message>
        <source>Cannot save picture</source>
        <translation>그림을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>그림 저장</translation>
    </message>
    <message>
        <source>Picture(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico</source>
        <translation>그림(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico</translation>
    </message>
    <message>
        <source>Picture(*.bmp)|*.bmp</source>
        <translation>그림(*.bmp)|*.bmp</translation>
    </message>
</context>
<context>
    <name>lume::Form1</name>
    <message>
        <source>No Sending Text! Do Not Send!</source>
        <translation>보낼 텍스트가 없어 보내지 않습니다!</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>참고</translation>
    </message>
    <message>
        <source>Sending datas to Display! Are you exit?</source>
        <translation>배지로 데이터를 보내는 중입니다! 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Font file &quot;%1&quot; not found!</source>
        <translation>글꼴 파일 &quot;%1&quot;을(를) 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Scriptlume looks for its dot-font files in these folders, in this order:
</source>
        <translation>Scriptlume은 다음 폴더에서 이 순서대로 도트 폰트 파일을 찾습니다:
</translation>
    </message>
</context>
<context>
    <name>lume::LedPreview</name>
    <message>
        <source>1 column byte</source>
        <translation>열 바이트 1개</translation>
    </message>
    <message>
        <source>%1 column bytes</source>
        <translation>열 바이트 %1개</translation>
    </message>
    <message>
        <source>Width: %1</source>
        <translation>너비: %1</translation>
    </message>
    <message>
        <source>A badge row holds %1; the rest is not shown.</source>
        <translation>배지 한 줄에는 %1까지만 들어갑니다. 나머지는 표시되지 않습니다.</translation>
    </message>
    <message>
        <source>Only the first %1 fits on the screen; the rest is cut.</source>
        <translation>화면에는 처음 %1만 들어갑니다. 나머지는 잘립니다.</translation>
    </message>
    <message>
        <source>Only the first %1 fit on the screen; the rest is cut.</source>
        <translation>화면에는 처음 %1만 들어갑니다. 나머지는 잘립니다.</translation>
    </message>
</context>
<context>
    <name>lume::MessagePreview</name>
    <message>
        <source>Font file &quot;%1&quot; not found!</source>
        <translation>글꼴 파일 &quot;%1&quot;을(를) 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>Scriptlume looks for its dot-font files in these folders, in this order:
</source>
        <translation>Scriptlume은 다음 폴더에서 이 순서대로 도트 폰트 파일을 찾습니다:
</translation>
    </message>
    <message>
        <source>1 character cannot be shown in %1: %2</source>
        <translation>%1(으)로 표시할 수 없는 문자 1개: %2</translation>
    </message>
    <message>
        <source>%1 characters cannot be shown in %2: %3</source>
        <translation>%2(으)로 표시할 수 없는 문자 %1개: %3</translation>
    </message>
</context>
<context>
    <name>lume::PictureIo</name>
    <message>
        <source>%1: the picture is %2 x %3 pixels, too large to decode (it would take %4 MB, at most %5 MB can be used). Only its top %6 rows reach the badge: crop it to at most %7 pixels wide and %6 high first.</source>
        <translation>%1: 그림이 %2 x %3 픽셀이라 너무 커서 디코딩할 수 없습니다(%4MB가 필요하지만 최대 %5MB까지만 쓸 수 있습니다). 배지에는 위쪽 %6줄만 전달됩니다. 먼저 너비 %7픽셀, 높이 %6픽셀 이하로 잘라 주세요.</translation>
    </message>
    <message>
        <source>%1: the picture cannot be decoded (%2).</source>
        <translation>%1: 그림을 디코딩할 수 없습니다(%2).</translation>
    </message>
    <message>
        <source>%1: the file does not exist.</source>
        <translation>%1: 파일이 없습니다.</translation>
    </message>
    <message>
        <source>%1: this is a folder, not a picture file.</source>
        <translation>%1: 그림 파일이 아니라 폴더입니다.</translation>
    </message>
    <message>
        <source>%1: not a picture file that can be read (%2).</source>
        <translation>%1: 읽을 수 있는 그림 파일이 아닙니다(%2).</translation>
    </message>
    <message>
        <source>%1: the file ends before its picture does; it is damaged or was not copied whole.</source>
        <translation>%1: 그림이 끝나기 전에 파일이 끝납니다. 파일이 손상되었거나 완전히 복사되지 않았습니다.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>저장할 그림이 없습니다.</translation>
    </message>
</context>
<context>
    <name>lume::PortDiagnostics</name>
    <message>
        <source>process %1</source>
        <translation>프로세스 %1</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>See what the kernel said when the adapter was plugged in: sudo dmesg | tail -n 20 (look for ttyUSB or ttyACM). Check that its driver is loaded: lsmod | grep -E &apos;ch341|pl2303|ftdi_sio|cp210x|cdc_acm&apos;, and load the one for your adapter&apos;s chip, for example: sudo modprobe ch341</source>
        <translation>어댑터를 꽂았을 때 커널이 출력한 내용을 확인하세요: sudo dmesg | tail -n 20 (ttyUSB 또는 ttyACM을 찾으세요). 드라이버가 로드되었는지 확인하세요: lsmod | grep -E &apos;ch341|pl2303|ftdi_sio|cp210x|cdc_acm&apos; 그리고 어댑터 칩에 맞는 드라이버를 로드하세요. 예: sudo modprobe ch341</translation>
    </message>
    <message>
        <source>%1 belongs to the group %2, and your user %3 was added to %2 after this session began: the session still runs without it.</source>
        <translation>%1은(는) %2 그룹에 속하며, 사용자 %3은(는) 이 세션이 시작된 뒤에 %2 그룹에 추가되었습니다. 현재 세션에는 아직 반영되지 않았습니다.</translation>
    </message>
    <message>
        <source>Log out and log in again (a new terminal window is not enough); for this terminal only: newgrp %1</source>
        <translation>로그아웃한 뒤 다시 로그인하세요(새 터미널 창을 여는 것으로는 충분하지 않습니다). 이 터미널에서만 적용하려면: newgrp %1</translation>
    </message>
    <message>
        <source>%1 belongs to the group %2 (%3), and your user %4 is not in it.</source>
        <translation>%1은(는) %2 그룹(%3)에 속하지만 사용자 %4은(는) 이 그룹에 없습니다.</translation>
    </message>
    <message>
        <source>Add your user to the group, then log out and log in again: sudo usermod -aG %1 %2</source>
        <translation>사용자를 그룹에 추가한 뒤 로그아웃했다가 다시 로그인하세요: sudo usermod -aG %1 %2</translation>
    </message>
    <message>
        <source>%1 (%2, group %3) lets no group use it.</source>
        <translation>%1(%2, 그룹 %3)은(는) 어떤 그룹도 사용할 수 없게 되어 있습니다.</translation>
    </message>
    <message>
        <source>Let the group dialout use it with a udev rule: echo &apos;SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%1&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;&apos; | sudo tee /etc/udev/rules.d/70-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger; then: sudo usermod -aG dialout %2, and log in again</source>
        <translation>udev 규칙으로 dialout 그룹이 사용할 수 있게 하세요: echo &apos;SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%1&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;&apos; | sudo tee /etc/udev/rules.d/70-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger 그다음: sudo usermod -aG dialout %2 를 실행하고 다시 로그인하세요</translation>
    </message>
    <message>
        <source>%1 is in use by %2.</source>
        <translation>%1은(는) %2이(가) 사용 중입니다.</translation>
    </message>
    <message>
        <source>The lock file %1 names no process; if no program uses the port, remove it: sudo rm %1</source>
        <translation>잠금 파일 %1에 프로세스가 적혀 있지 않습니다. 이 포트를 쓰는 프로그램이 없다면 삭제하세요: sudo rm %1</translation>
    </message>
    <message>
        <source>The lock file %1 was left by process %2, which has ended; remove it: sudo rm %1</source>
        <translation>잠금 파일 %1은(는) 이미 끝난 프로세스 %2이(가) 남긴 것입니다. 삭제하세요: sudo rm %1</translation>
    </message>
    <message>
        <source>ModemManager probes every newly plugged serial adapter for a few seconds: wait a moment and send again. To keep it away from the badge&apos;s adapter for good: echo &apos;%1, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;&apos; | sudo tee /etc/udev/rules.d/99-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules, then plug the adapter in again.</source>
        <translation>ModemManager는 새로 꽂은 직렬 어댑터를 몇 초 동안 검사합니다. 잠시 기다린 뒤 다시 보내세요. 배지 어댑터를 계속 건드리지 않게 하려면: echo &apos;%1, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;&apos; | sudo tee /etc/udev/rules.d/99-lume-badge.rules &amp;&amp; sudo udevadm control --reload-rules 를 실행한 뒤 어댑터를 다시 꽂으세요.</translation>
    </message>
    <message>
        <source>brltty (the braille display service) claims CH340 and other serial adapters. If you use no braille display, remove it: sudo apt remove brltty (or stop it for good: sudo systemctl mask brltty-udev.service brltty.service), then plug the adapter in again.</source>
        <translation>brltty(점자 디스플레이 서비스)는 CH340 등 직렬 어댑터를 점유합니다. 점자 디스플레이를 쓰지 않는다면 제거하세요: sudo apt remove brltty (또는 완전히 멈추려면: sudo systemctl mask brltty-udev.service brltty.service) 그런 다음 어댑터를 다시 꽂으세요.</translation>
    </message>
    <message>
        <source>The terminal program %1 has the port open: quit it, or end it: kill %2</source>
        <translation>터미널 프로그램 %1이(가) 포트를 열고 있습니다. 종료하거나 강제로 끝내세요: kill %2</translation>
    </message>
    <message>
        <source>Close %1, or end it: kill %2</source>
        <translation>%1을(를) 닫거나 끝내세요: kill %2</translation>
    </message>
    <message>
        <source>%1 is locked by a lock file that no running program holds.</source>
        <translation>%1은(는) 잠금 파일로 잠겨 있지만, 이를 가진 실행 중인 프로그램은 없습니다.</translation>
    </message>
    <message>
        <source>Another program holds this port (%1), but which one cannot be seen from this user.</source>
        <translation>다른 프로그램이 이 포트(%1)를 사용 중이지만, 이 사용자로는 어느 프로그램인지 알 수 없습니다.</translation>
    </message>
    <message>
        <source>Find it with: sudo fuser -v %1 (or sudo lsof %1), then close it. Often it is ModemManager for a few seconds after plugging in, brltty, or a forgotten screen or minicom.</source>
        <translation>다음 명령으로 찾아서 닫으세요: sudo fuser -v %1 (또는 sudo lsof %1). 어댑터를 꽂은 직후 몇 초 동안의 ModemManager, brltty, 또는 잊고 둔 screen이나 minicom인 경우가 많습니다.</translation>
    </message>
    <message>
        <source>%1 is not there any more: its adapter was unplugged, or its driver let it go.</source>
        <translation>%1이(가) 더 이상 없습니다. 어댑터가 뽑혔거나 드라이버가 장치를 놓았습니다.</translation>
    </message>
    <message>
        <source>Check the badge&apos;s cable, plug the adapter in again, then open the port list again and choose its port.</source>
        <translation>배지 케이블을 확인하고 어댑터를 다시 꽂은 뒤, 포트 목록을 다시 열어 해당 포트를 선택하세요.</translation>
    </message>
    <message>
        <source>No serial device was found on this machine.</source>
        <translation>이 컴퓨터에서 직렬 장치를 찾지 못했습니다.</translation>
    </message>
    <message>
        <source>Check the badge&apos;s cable and that its adapter is plugged in (try another USB socket).</source>
        <translation>배지 케이블과 어댑터가 꽂혀 있는지 확인하세요(다른 USB 포트에도 꽂아 보세요).</translation>
    </message>
    <message>
        <source>%1 is not a serial port on this machine now.</source>
        <translation>%1은(는) 지금 이 컴퓨터의 직렬 포트가 아닙니다.</translation>
    </message>
    <message>
        <source>This port</source>
        <translation>이 포트</translation>
    </message>
    <message>
        <source>See the ports there are with: lumesend --list-ports (or open the port list again), and check the badge&apos;s cable.</source>
        <translation>lumesend --list-ports 로 현재 있는 포트를 확인하고(또는 포트 목록을 다시 열고), 배지 케이블을 확인하세요.</translation>
    </message>
    <message>
        <source>%1 is the system console; a badge stream is never written there.</source>
        <translation>%1은(는) 시스템 콘솔입니다. 배지 데이터는 절대 그곳에 쓰지 않습니다.</translation>
    </message>
    <message>
        <source>%1 is no serial device.</source>
        <translation>%1은(는) 직렬 장치가 아닙니다.</translation>
    </message>
    <message>
        <source>%1 can be opened by this user now.</source>
        <translation>이제 이 사용자로 %1을(를) 열 수 있습니다.</translation>
    </message>
    <message>
        <source>It is open in %1 as well, which may disturb the transfer.</source>
        <translation>%1에서도 열려 있어 전송에 방해가 될 수 있습니다.</translation>
    </message>
    <message>
        <source>The system refuses %1 to this user (%2), though its owner, group and mode allow it.</source>
        <translation>%1의 소유자, 그룹, 권한으로는 허용되는데도 시스템이 이 사용자의 사용을 거부합니다(%2).</translation>
    </message>
    <message>
        <source>Look for an access list or a security policy: getfacl %1; ls -lZ %1</source>
        <translation>접근 제어 목록이나 보안 정책을 확인하세요: getfacl %1; ls -lZ %1</translation>
    </message>
    <message>
        <source>Your user may not use this serial port. On Linux, add yourself to the group that owns it (usually &quot;dialout&quot;: sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>이 사용자는 이 직렬 포트를 사용할 수 없습니다. Linux에서는 포트를 소유한 그룹(보통 &quot;dialout&quot;: sudo usermod -aG dialout $USER)에 자신을 추가한 뒤 로그아웃했다가 다시 로그인하세요.</translation>
    </message>
    <message>
        <source>The udev rule %1 gives this adapter (%2, %3) to the user at the machine&apos;s seat (%4): a session at the machine&apos;s own screen and keyboard, while it is the active one. It does not apply to a remote login (ssh) or to a session in the background. If you sit at the machine, let udev apply it (the adapter may have been plugged in before the rule came): sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</source>
        <translation>udev 규칙 %1은(는) 이 어댑터(%2, %3)의 사용 권한을 이 컴퓨터의 시트(%4)에 있는 사용자에게 줍니다. 즉 이 컴퓨터 자체의 화면과 키보드로 쓰는 세션이 활성 상태일 때만 해당됩니다. 원격 로그인(ssh)이나 백그라운드 세션에는 적용되지 않습니다. 이 컴퓨터 앞에 있다면 udev가 규칙을 적용하게 하세요(규칙이 생기기 전에 어댑터가 꽂혀 있었을 수 있습니다): sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</translation>
    </message>
    <message>
        <source>The udev rule %1 gives the common USB serial adapters (FTDI, CH340, PL2303, CP210x) to the user at the machine&apos;s seat; this adapter (%2) is not among them, so the group that owns the device is the way in.</source>
        <translation>udev 규칙 %1은(는) 흔히 쓰는 USB 직렬 어댑터(FTDI, CH340, PL2303, CP210x)의 사용 권한을 이 컴퓨터의 시트에 있는 사용자에게 주지만, 이 어댑터(%2)는 여기에 포함되지 않습니다. 따라서 장치를 소유한 그룹에 들어가야 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>ModemManager holds the adapter (%1), though the udev rule %2 tells it to leave this adapter alone: the rule was not applied to it. Apply it and plug the adapter in again: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</source>
        <translation>udev 규칙 %2이(가) ModemManager에게 이 어댑터를 건드리지 말라고 지시하는데도 ModemManager가 어댑터(%1)를 잡고 있습니다. 규칙이 이 어댑터에 적용되지 않은 것입니다. 다음 명령으로 규칙을 적용한 뒤 어댑터를 다시 꽂으세요: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger --subsystem-match=tty --action=add</translation>
    </message>
    <message>
        <source>brltty (PID %1) is running and may have claimed the adapter: the kernel&apos;s log then shows &quot;interface 0 claimed by ... while &apos;brltty&apos; sets config&quot; (sudo dmesg | grep brltty).</source>
        <translation>brltty(PID %1)가 실행 중이며 어댑터를 점유했을 수 있습니다. 그렇다면 커널 로그에 &quot;interface 0 claimed by ... while &apos;brltty&apos; sets config&quot;라는 메시지가 나타납니다(sudo dmesg | grep brltty).</translation>
    </message>
</context>
<context>
    <name>lume::PortInfo</name>
    <message>
        <source>virtual badge</source>
        <translation>가상 배지</translation>
    </message>
    <message>
        <source>USB serial adapter</source>
        <translation>USB 직렬 어댑터</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>내장 직렬 포트</translation>
    </message>
</context>
<context>
    <name>lume::QtSerialControl</name>
    <message>
        <source>&quot;%1&quot; are no line settings of the form &quot;1200,n,8,1&quot;</source>
        <translation>&quot;%1&quot;은(는) &quot;1200,n,8,1&quot; 형식의 회선 설정이 아닙니다</translation>
    </message>
    <message>
        <source>the port is already open</source>
        <translation>포트가 이미 열려 있습니다</translation>
    </message>
    <message>
        <source>COM%1 is not a serial port on this machine</source>
        <translation>COM%1은(는) 이 컴퓨터의 직렬 포트가 아닙니다</translation>
    </message>
    <message>
        <source>the port is in use by another program (%1)</source>
        <translation>다른 프로그램이 포트를 사용 중입니다(%1)</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>포트가 열려 있지 않습니다</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes were queued</source>
        <translation>%2바이트 중 %1바이트만 전송 대기열에 들어갔습니다</translation>
    </message>
</context>
<context>
    <name>lume::SendProfile</name>
    <message>
        <source>Sending...</source>
        <translation>보내는 중...</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>잠시 기다려 주세요</translation>
    </message>
    <message>
        <source>Sending!</source>
        <translation>보내는 중입니다!</translation>
    </message>
    <message>
        <source>Waits</source>
        <translation>잠시 기다려 주세요</translation>
    </message>
</context>
<context>
    <name>lume::UsageMeter</name>
    <message>
        <source>%1 of %2 column bytes: %3 more than the badge holds</source>
        <translation>열 바이트 %2개 중 %1개 사용: 배지에 들어가는 양보다 %3개 많음</translation>
    </message>
    <message>
        <source>%1 of %2 column bytes</source>
        <translation>열 바이트 %2개 중 %1개 사용</translation>
    </message>
</context>
</TS>
