<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>MainForm</name>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Advanced  Mode</source>
        <translation>الوضع المتقدم</translation>
    </message>
    <message>
        <source>Advanced Mode</source>
        <translation>الوضع المتقدم</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>الوضع البسيط</translation>
    </message>
    <message>
        <source>Frequency(hz)</source>
        <translation>التردد (Hz)</translation>
    </message>
    <message>
        <source>time(ms)</source>
        <translation>المدة (ms)</translation>
    </message>
    <message>
        <source>Preset frequency(hz)</source>
        <translation>تردد مُعدّ مسبقًا (Hz)</translation>
    </message>
    <message>
        <source>Frequency slider</source>
        <translation>منزلق التردد</translation>
    </message>
</context>
<context>
    <name>AboutForm</name>
    <message>
        <source>About Vornaby</source>
        <translation>حول Vornaby</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Vornaby icon</source>
        <translation>أيقونة Vornaby</translation>
    </message>
    <message>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby، الإصدار 1.0</translation>
    </message>
    <message>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 مطوّرو Vornaby، ترخيص MIT</translation>
    </message>
    <message>
        <source>Pure tones for listening tests, made with Qt and ALSA.</source>
        <translation>نغمات نقية لاختبارات السمع، صُنعت باستخدام Qt وALSA.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Vornaby...</source>
        <translation>&amp;حول Vornaby...</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation>يرجى إدخال عدد صحيح.</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>يرجى إدخال رقم من %1 إلى %2.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>ت&amp;صغير</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>قائمة النافذة</translation>
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
