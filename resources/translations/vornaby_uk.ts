<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>MainForm</name>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>play</source>
        <translation>Відтворити</translation>
    </message>
    <message>
        <source>Advanced  Mode</source>
        <translation>Розширений режим</translation>
    </message>
    <message>
        <source>Advanced Mode</source>
        <translation>Розширений режим</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>Простий режим</translation>
    </message>
    <message>
        <source>Frequency(hz)</source>
        <translation>Частота (Hz)</translation>
    </message>
    <message>
        <source>time(ms)</source>
        <translation>Тривалість (ms)</translation>
    </message>
    <message>
        <source>Preset frequency(hz)</source>
        <translation>Попередньо задана частота (Hz)</translation>
    </message>
    <message>
        <source>Frequency slider</source>
        <translation>Повзунок частоти</translation>
    </message>
</context>
<context>
    <name>AboutForm</name>
    <message>
        <source>About Vornaby</source>
        <translation>Про програму Vornaby</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Vornaby icon</source>
        <translation>Значок Vornaby</translation>
    </message>
    <message>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, версія 1.0</translation>
    </message>
    <message>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 розробники Vornaby, ліцензія MIT</translation>
    </message>
    <message>
        <source>Pure tones for listening tests, made with Qt and ALSA.</source>
        <translation>Чисті тони для перевірки слуху, створено на Qt і ALSA.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Vornaby...</source>
        <translation>&amp;Про програму Vornaby...</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Введіть ціле число.</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Введіть число від %1 до %2.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Зго&amp;рнути</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Меню вікна</translation>
    </message>
</context>
</TS>
