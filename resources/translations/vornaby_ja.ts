<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>MainForm</name>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Advanced  Mode</source>
        <translation>詳細モード</translation>
    </message>
    <message>
        <source>Advanced Mode</source>
        <translation>詳細モード</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>シンプルモード</translation>
    </message>
    <message>
        <source>Frequency(hz)</source>
        <translation>周波数 (Hz)</translation>
    </message>
    <message>
        <source>time(ms)</source>
        <translation>長さ (ms)</translation>
    </message>
    <message>
        <source>Preset frequency(hz)</source>
        <translation>プリセット周波数 (Hz)</translation>
    </message>
    <message>
        <source>Frequency slider</source>
        <translation>周波数スライダー</translation>
    </message>
</context>
<context>
    <name>AboutForm</name>
    <message>
        <source>About Vornaby</source>
        <translation>Vornaby について</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vornaby icon</source>
        <translation>Vornaby のアイコン</translation>
    </message>
    <message>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby バージョン 1.0</translation>
    </message>
    <message>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 Vornaby 開発者、MIT ライセンス</translation>
    </message>
    <message>
        <source>Pure tones for listening tests, made with Qt and ALSA.</source>
        <translation>聴力テストのための純音。Qt と ALSA で作成。</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Vornaby...</source>
        <translation>Vornaby について(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>%1 から %2 までの数値を入力してください。</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>ウィンドウメニュー</translation>
    </message>
</context>
</TS>
