<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>留言求片</title>
<link rel="stylesheet" href="/tcab/static/site.css">
<style>
  .book { max-width: 560px; margin: 0 auto; padding: 12px 16px 20px; }
  .book h1 { font-size: 16px; margin: 0 0 2px; color: #fff; }
  .book .sub { color: var(--muted); margin: 0 0 10px; }
  .book .row { display: flex; gap: 8px; margin-bottom: 8px; }
  .book select { flex: 0 0 96px; }
  .book input { flex: 1; }
  .book input, .book select, .book textarea { padding: 5px 8px; border-radius: 3px;
    border: 1px solid var(--line); background: var(--panel-hi); color: var(--text); font: inherit; }
  .book textarea { display: block; width: 100%; height: 64px; resize: none; }
  .book button { margin-top: 8px; padding: 5px 22px; border: 0; border-radius: 3px;
    background: var(--accent); color: #1a1206; font: inherit; font-weight: bold; cursor: pointer; }
  .book h2 { font-size: 14px; margin: 18px 0 8px; padding-left: 8px; border-left: 3px solid var(--accent); color: #fff; }
  .notice { margin: 0 0 10px; padding: 6px 10px; border-radius: 3px; }
  .notice.ok { background: #1f3326; color: #9be0a8; }
  .notice.error { background: #3a1f1f; color: #f0a0a0; }
  .messages { list-style: none; margin: 0; padding: 0; }
  .messages li { padding: 8px 10px; margin-bottom: 6px; background: var(--panel); border: 1px solid var(--line); border-radius: 4px; }
  .messages b { color: #fff; }
  .messages p { margin: 4px 0 0; color: var(--muted); white-space: pre-wrap; word-break: break-all; }
  .empty { color: var(--muted); }
</style>
</head>
<body>
<div class="book">
  <h1>留言求片</h1>
  <p class="sub">想看的片子、播放遇到的问题，都可以告诉我们。</p>
  <form method="post" action="/tcab/gbook.asp">
    <div class="row">
      <select name="kind" aria-label="留言类型"><option>求片</option><option>播放问题</option><option>意见建议</option></select>
      <input name="title" maxlength="40" placeholder="片名或标题，例如：星河渡口 第二季" required aria-label="片名或标题">
    </div>
    <textarea name="text" maxlength="300" placeholder="写下你的想法……（选填，最多 300 字）" aria-label="详细内容"></textarea>
    <button type="submit">提交留言</button>
  </form>
  <h2>最新留言</h2>
<!--MESSAGES-->
</div>
</body>
</html>
