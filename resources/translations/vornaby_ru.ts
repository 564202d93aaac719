<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>MainForm</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Advanced  Mode</source>
        <translation>Расширенный режим</translation>
    </message>
    <message>
        <source>Advanced Mode</source>
        <translation>Расширенный режим</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>Простой режим</translation>
    </message>
    <message>
        <source>Frequency(hz)</source>
        <translation>Частота (Hz)</translation>
    </message>
    <message>
        <source>time(ms)</source>
        <translation>Длительность (ms)</translation>
    </message>
    <message>
        <source>Preset frequency(hz)</source>
        <translation>Предустановленная частота (Hz)</translation>
    </message>
    <message>
        <source>Frequency slider</source>
        <translation>Ползунок частоты</translation>
    </message>
</context>
<context>
    <name>AboutForm</name>
    <message>
        <source>About Vornaby</source>
        <translation>О программе Vornaby</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vornaby icon</source>
        <translation>Значок Vornaby</translation>
    </message>
    <message>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, версия 1.0</translation>
    </message>
    <message>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 разработчики Vornaby, лицензия MIT</translation>
    </message>
    <message>
        <source>Pure tones for listening tests, made with Qt and ALSA.</source>
        <translation>Чистые тоны для проверки слуха, создано на Qt и ALSA.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Vornaby...</source>
        <translation>&amp;О программе Vornaby...</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Введите целое число.</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Введите число от %1 до %2.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Св&amp;ернуть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Меню окна</translation>
    </message>
</context>
</TS>
