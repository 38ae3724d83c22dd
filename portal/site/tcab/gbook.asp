<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>留言求片</title>
<link rel="stylesheet" href="/tcab/static/site.css">
<style>
  .book { max-width: 460px; margin: 0 auto; padding: 14px 16px; }
  .book h1 { font-size: 17px; margin: 0 0 4px; color: #fff; }
  .book .sub { color: var(--muted); margin: 0 0 12px; }
  .book label { display: block; margin: 10px 0 4px; color: var(--muted); }
  .book input, .book select, .book textarea { width: 100%; padding: 6px 8px; border-radius: 3px;
    border: 1px solid var(--line); background: var(--panel-hi); color: var(--text); font: inherit; }
  .book textarea { height: 90px; resize: none; }
  .book button { margin-top: 12px; padding: 6px 22px; border: 0; border-radius: 3px;
    background: var(--accent); color: #1a1206; font: inherit; font-weight: bold; cursor: pointer; }
  .thanks { display: none; margin-top: 30px; text-align: center; }
  .thanks b { display: block; font-size: 18px; color: var(--accent); margin-bottom: 6px; }
</style>
</head>
<body>
<div class="book">
  <form id="form">
    <h1>留言求片</h1>
    <p class="sub">想看的片子、播放遇到的问题，都可以告诉我们。</p>
    <label for="kind">留言类型</label>
    <select id="kind"><option>求片</option><option>播放问题</option><option>意见建议</option></select>
    <label for="title">片名或标题</label>
    <input id="title" maxlength="40" placeholder="例如：星河渡口 第二季" required>
    <label for="text">详细内容</label>
    <textarea id="text" maxlength="300" placeholder="写下你的想法……"></textarea>
    <button type="submit">提交留言</button>
  </form>
  <div class="thanks" id="thanks">
    <b>感谢留言！</b>
    我们已收到《<span id="echo"></span>》，编辑会尽快处理。
  </div>
</div>
<script>
  // The demo keeps messages in the page only; nothing is sent anywhere.
  document.getElementById("form").addEventListener("submit", function (event) {
    event.preventDefault();
    document.getElementById("echo").textContent = document.getElementById("title").value;
    this.style.display = "none";
    document.getElementById("thanks").style.display = "block";
  });
</script>
</body>
</html>
