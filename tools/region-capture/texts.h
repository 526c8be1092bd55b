#pragma once

// What the tool says to the user.
constexpr char TOOL_TITLE[] = "区域截图";
constexpr char USAGE[] =
    "用法: region-capture [--out 文件] [--region X,Y,W,H] [--help]\n\n"
    "拖动鼠标选择区域，或单击选取窗口（按住 Ctrl 选取控件）。\n"
    "Enter、双击或 Ctrl+C: 复制到剪贴板\n"
    "Ctrl+S: 保存为图片\n"
    "方向键: 移动 1 像素；Shift+方向键: 调整大小\n"
    "Esc 或右键: 取消选区或退出\n\n"
    "--out 文件: 保存到该文件（按扩展名选择 PNG、JPEG 或 BMP），不复制\n"
    "--region X,Y,W,H: 预先选定该区域（屏幕坐标）";
constexpr char BAD_ARGUMENTS[] = "参数无法识别：";
constexpr char SCREEN_TOO_LARGE[] = "屏幕太大，无法截取：%d × %d 像素。";
constexpr char GRAB_FAILED[] = "无法截取屏幕：内存不足。";
constexpr char CLIPBOARD_BUSY[] = "剪贴板正被其他程序占用，未能复制。\n选区已保留，请稍后再按 Enter。";
constexpr char CLIPBOARD_FAILED[] = "无法把图片放到剪贴板上（内存不足？）。";
constexpr char SAVE_FAILED[] = "无法保存图片 %s：\n%s";
constexpr char ENCODING_FAILED[] = "图片编码失败或内存不足。";
constexpr char SAVE_FILTER[] =
    "PNG 图片 (*.png)\0*.png\0JPEG 图片 (*.jpg)\0*.jpg;*.jpeg\0BMP 图片 (*.bmp)\0*.bmp\0";
