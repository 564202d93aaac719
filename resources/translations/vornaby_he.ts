<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>MainForm</name>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message>
        <source>play</source>
        <translation>נגן</translation>
    </message>
    <message>
        <source>Advanced  Mode</source>
        <translation>מצב מתקדם</translation>
    </message>
    <message>
        <source>Advanced Mode</source>
        <translation>מצב מתקדם</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>מצב פשוט</translation>
    </message>
    <message>
        <source>Frequency(hz)</source>
        <translation>תדר (Hz)</translation>
    </message>
    <message>
        <source>time(ms)</source>
        <translation>משך (ms)</translation>
    </message>
    <message>
        <source>Preset frequency(hz)</source>
        <translation>תדר מוגדר מראש (Hz)</translation>
    </message>
    <message>
        <source>Frequency slider</source>
        <translation>מחוון תדר</translation>
    </message>
</context>
<context>
    <name>AboutForm</name>
    <message>
        <source>About Vornaby</source>
        <translation>אודות Vornaby</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Vornaby icon</source>
        <translation>הסמל של Vornaby</translation>
    </message>
    <message>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, גרסה 1.0</translation>
    </message>
    <message>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 מפתחי Vornaby, רישיון MIT</translation>
    </message>
    <message>
        <source>Pure tones for listening tests, made with Qt and ALSA.</source>
        <translation>צלילים טהורים לבדיקות שמיעה, נבנה עם Qt ו-ALSA.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Vornaby...</source>
        <translation>&amp;אודות Vornaby...</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation>נא להזין מספר שלם.</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>נא להזין מספר בין %1 ל-%2.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>מ&amp;זעור</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;סגירה</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>תפריט חלון</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
</TS>
