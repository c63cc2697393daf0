"""The sample class: thirty invented pupils. The letter after each name picks
the look of the portrait drawn for that line (f or m)."""

NAMES = [
    ('王思远', 'm'), ('李若溪', 'f'), ('张浩然', 'm'), ('刘雨桐', 'f'), ('陈嘉禾', 'm'),
    ('杨子墨', 'm'), ('赵欣怡', 'f'), ('黄俊熙', 'm'), ('周诗琪', 'f'), ('吴宇轩', 'm'),
    ('徐梓萱', 'f'), ('孙明哲', 'm'), ('胡静姝', 'f'), ('朱一鸣', 'm'), ('高语嫣', 'f'),
    ('林泽宇', 'm'), ('何沐阳', 'm'), ('郭晓彤', 'f'), ('马川', 'm'), ('罗佳琪', 'f'),
    ('梁晨曦', 'f'), ('宋知远', 'm'), ('郑雅文', 'f'), ('谢云舒', 'f'), ('韩卓', 'm'),
    ('唐心悦', 'f'), ('冯立恒', 'm'), ('于可欣', 'f'), ('董书瑶', 'f'), ('叶舟', 'm'),
]


def write(filename):
    """One name a line in code page 936, CR LF after every line."""
    text = ''.join(name + '\r\n' for name, _ in NAMES)
    with open(filename, 'wb') as f:
        f.write(text.encode('gbk'))
