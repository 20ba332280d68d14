// The program's own script in the displayed page. It runs in an isolated world (page scripts are off), reports
// the user's input with node paths and offsets, and applies the program's changes so that the page stays equal
// to the program's document model. A node path is the list of child indexes from the document down.
(function () {
    "use strict";

    function pathOf(node) {
        const path = [];
        while (node && node.parentNode) {
            path.unshift(Array.prototype.indexOf.call(node.parentNode.childNodes, node));
            node = node.parentNode;
        }
        return path;
    }

    function nodeAt(path) {
        let node = document;
        for (const index of path) {
            node = node && node.childNodes[index];
        }
        return node || null;
    }

    function elementOf(node) {
        return node && node.nodeType !== Node.ELEMENT_NODE ? node.parentElement : node;
    }

    function isEmptyBox(rect) {
        return rect.width === 0 && rect.height === 0 && rect.left === 0 && rect.top === 0;
    }

    // The box of one character of a text node, or null.
    function characterBox(node, index) {
        if (index < 0 || index >= node.length) {
            return null;
        }
        const range = document.createRange();
        range.setStart(node, index);
        range.setEnd(node, index + 1);
        const box = range.getBoundingClientRect();
        return isEmptyBox(box) ? null : box;
    }

    // Where a caret stands when the engine gives no box for it (at the end of a line's text, or between nodes):
    // after what comes before the point, else before what comes after it, else at its container.
    function edgeBox(node, offset) {
        let before = null;
        let after = null;
        if (node.nodeType === Node.TEXT_NODE) {
            before = characterBox(node, offset - 1);
            after = characterBox(node, offset);
        } else {
            const previous = node.childNodes[offset - 1];
            const next = node.childNodes[offset];
            // After a line break the caret stands on the next line, not at the end of the one before.
            before = previous && previous.nodeName !== "BR" && (previous.nodeType === Node.TEXT_NODE ? characterBox(previous, previous.length - 1)
                                                                        : boxOf(previous));
            after = next && (next.nodeType === Node.TEXT_NODE ? characterBox(next, 0) : boxOf(next));
        }
        if (before) {
            return {left: before.right, top: before.top, height: before.height};
        }
        if (after) {
            return {left: after.left, top: after.top, height: after.height};
        }
        const box = boxOf(elementOf(node));
        return box ? {left: box.left, top: box.top, height: box.height} : null;
    }

    function boxOf(element) {
        if (!element || element.nodeType !== Node.ELEMENT_NODE) {
            return null;
        }
        const box = element.getBoundingClientRect();
        return isEmptyBox(box) ? null : box;
    }

    // The caret rectangle of a collapsed point, in the view's client coordinates.
    function caretRect(node, offset) {
        if (!node) {
            return null;
        }
        const range = document.createRange();
        try {
            range.setStart(node, offset);
        } catch (e) {
            return null;
        }
        range.collapse(true);
        let rect = range.getBoundingClientRect();
        if (isEmptyBox(rect)) {
            rect = edgeBox(node, offset);
        }
        if (!rect) {
            return null;
        }
        return {x: Math.round(rect.left), y: Math.round(rect.top), height: Math.round(rect.height)};
    }

    function pointAt(x, y) {
        const range = document.caretRangeFromPoint(x, y);
        if (!range) {
            return {path: [], offset: -1, rect: null};
        }
        return {path: pathOf(range.startContainer), offset: range.startOffset,
                rect: caretRect(range.startContainer, range.startOffset)};
    }

    function report(event) {
        const target = elementOf(event.target);
        return {target: pathOf(target), tag: target ? target.tagName : "", x: event.clientX, y: event.clientY,
                button: event.button};
    }

    function build(shape) {
        if (shape.text !== undefined) {
            return document.createTextNode(shape.text);
        }
        if (shape.comment !== undefined) {
            return document.createComment(shape.comment);
        }
        const element = document.createElement(shape.tag);
        for (const [name, value] of shape.attributes || []) {
            try {
                element.setAttribute(name, value);
            } catch (e) {
                // A name the browser refuses stays out of the view; the document model keeps it.
            }
        }
        const container = element.content || element;
        for (const child of shape.children || []) {
            container.appendChild(build(child));
        }
        return element;
    }

    // Changes only the characters that differ, as typing does, so the engine re-lays out as little as it can.
    function replaceText(node, data) {
        const old = node.data;
        let start = 0;
        while (start < old.length && start < data.length && old[start] === data[start]) {
            start++;
        }
        let end = 0;
        while (end < old.length - start && end < data.length - start &&
               old[old.length - 1 - end] === data[data.length - 1 - end]) {
            end++;
        }
        node.replaceData(start, old.length - start - end, data.substring(start, data.length - end));
    }

    // The program's changes, in the order they happened in the document model. A "caret" entry asks for the
    // caret rectangle once the changes before it are in place.
    function apply(bridge, changes) {
        for (const change of changes) {
            const node = nodeAt(change.path);
            if (change.op === "caret") {
                const rect = caretRect(node, change.offset);
                bridge.caretRect(change.id, rect ? rect : {x: -1, y: -1, height: 0});
                continue;
            }
            if (!node) {
                continue;
            }
            switch (change.op) {
            case "insert": {
                const before = node.childNodes[change.index] || null;
                const fragment = document.createDocumentFragment();
                for (const shape of change.nodes) {
                    fragment.appendChild(build(shape));
                }
                node.insertBefore(fragment, before);
                break;
            }
            case "remove":
                if (node.childNodes[change.index]) {
                    node.removeChild(node.childNodes[change.index]);
                }
                break;
            case "text":
                replaceText(node, change.data);
                break;
            case "attribute":
                if (change.value === null) {
                    node.removeAttribute(change.name);
                } else {
                    node.setAttribute(change.name, change.value);
                }
                break;
            }
        }
    }

    function select(anchorPath, anchorOffset, focusPath, focusOffset) {
        const selection = window.getSelection();
        const anchor = nodeAt(anchorPath);
        const focus = nodeAt(focusPath);
        if (!anchor || !focus) {
            selection.removeAllRanges();
            return;
        }
        try {
            selection.setBaseAndExtent(anchor, anchorOffset, focus, focusOffset);
        } catch (e) {
            selection.removeAllRanges();
        }
    }

    function connect(bridge) {
        let shiftAtKeyDown = {};
        const options = {capture: true};
        document.addEventListener("mousedown", (e) => bridge.mouseDown(report(e)), options);
        document.addEventListener("mouseup", (e) => bridge.mouseUp(report(e)), options);
        document.addEventListener("click", (e) => {
            e.preventDefault();
            const click = report(e);
            click.point = pointAt(e.clientX, e.clientY);
            bridge.click(click);
        }, options);
        document.addEventListener("dblclick", (e) => {
            e.preventDefault();
            bridge.doubleClick(report(e));
        }, options);
        document.addEventListener("contextmenu", (e) => e.preventDefault(), options);
        document.addEventListener("mouseover", (e) => bridge.hover(elementOf(e.target).tagName), options);
        document.addEventListener("mouseout", () => bridge.hover(""), options);
        document.addEventListener("keydown", (e) => {
            shiftAtKeyDown[e.keyCode] = e.shiftKey;
        }, options);
        document.addEventListener("keyup", (e) => {
            const shift = e.keyCode in shiftAtKeyDown ? shiftAtKeyDown[e.keyCode] : e.shiftKey;
            delete shiftAtKeyDown[e.keyCode];
            bridge.keyUp(e.keyCode, shift);
        }, options);
        document.addEventListener("selectionchange", () => {
            const s = window.getSelection();
            if (!s.anchorNode) {
                bridge.selectionChanged([], -1, [], -1);
                return;
            }
            bridge.selectionChanged(pathOf(s.anchorNode), s.anchorOffset, pathOf(s.focusNode), s.focusOffset);
        });

        bridge.changesReady.connect((changes) => apply(bridge, JSON.parse(changes)));
        bridge.selectRequested.connect(select);
        bridge.caretRectRequested.connect((id, path, offset) => {
            const rect = caretRect(nodeAt(path), offset);
            bridge.caretRect(id, rect ? rect : {x: -1, y: -1, height: 0});
        });
        bridge.ready();
    }

    new QWebChannel(qt.webChannelTransport, (channel) => connect(channel.objects.bridge));
})();
