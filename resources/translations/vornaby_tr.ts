<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>MainForm</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>play</source>
        <translation>Çal</translation>
    </message>
    <message>
        <source>Advanced  Mode</source>
        <translation>Gelişmiş mod</translation>
    </message>
    <message>
        <source>Advanced Mode</source>
        <translation>Gelişmiş mod</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>Basit mod</translation>
    </message>
    <message>
        <source>Frequency(hz)</source>
        <translation>Frekans (Hz)</translation>
    </message>
    <message>
        <source>time(ms)</source>
        <translation>Süre (ms)</translation>
    </message>
    <message>
        <source>Preset frequency(hz)</source>
        <translation>Hazır frekans (Hz)</translation>
    </message>
    <message>
        <source>Frequency slider</source>
        <translation>Frekans kaydırıcısı</translation>
    </message>
</context>
<context>
    <name>AboutForm</name>
    <message>
        <source>About Vornaby</source>
        <translation>Vornaby hakkında</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Vornaby icon</source>
        <translation>Vornaby simgesi</translation>
    </message>
    <message>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, sürüm 1.0</translation>
    </message>
    <message>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 Vornaby geliştiricileri, MIT lisansı</translation>
    </message>
    <message>
        <source>Pure tones for listening tests, made with Qt and ALSA.</source>
        <translation>İşitme testleri için saf tonlar, Qt ve ALSA ile yapıldı.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Vornaby...</source>
        <translation>Vornaby &amp;hakkında...</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Lütfen bir tam sayı girin.</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Lütfen %1 ile %2 arasında bir sayı girin.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Si&amp;mge durumuna küçült</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Pencere menüsü</translation>
    </message>
</context>
</TS>
